#pragma once
// Fixed-size arrays indexed from a base other than 0 (1 by default), checked on every
// access: a bad index throws instead of touching memory it does not own.
#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace platform {

class IndexError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

template <class T, int N, int Base = 1>
class Arr {
    static_assert(N > 0, "an array holds at least one element");

public:
    using value_type = T;
    static constexpr int Low = Base;
    static constexpr int High = Base + N - 1;
    static constexpr int Size = N;

    constexpr T& operator[](long long i) { return data_[offset(i)]; }
    constexpr const T& operator[](long long i) const { return data_[offset(i)]; }

    constexpr void fill(const T& v) { data_.fill(v); }
    static constexpr bool inRange(long long i) { return i >= Low && i <= High; }

    constexpr auto begin() { return data_.begin(); }
    constexpr auto end() { return data_.end(); }
    constexpr auto begin() const { return data_.begin(); }
    constexpr auto end() const { return data_.end(); }

    friend constexpr bool operator==(const Arr&, const Arr&) = default;

private:
    static constexpr std::size_t offset(long long i)
    {
        if (i < Low || i > High)
            throw IndexError("index " + std::to_string(i) + " outside " + std::to_string(Low) + ".." +
                             std::to_string(High));
        return static_cast<std::size_t>(i - Low);
    }
    std::array<T, N> data_{};
};

// Sets every element of a (possibly nested) array to one value.
template <class T, class V>
void fillAll(T& target, const V& v)
{
    if constexpr (requires { target.begin(); target.end(); } && !requires { target == v; }) {
        for (auto& e : target)
            fillAll(e, v);
    } else {
        target = v;
    }
}

} // namespace platform
