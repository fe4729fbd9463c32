// Settings file parser: any bytes as a settings file. Whatever was read, the file
// written next must read back whole and unchanged.
#include "foundation/Settings.h"
#include "foundation/TextFileLines.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Settings::SetDefaultSettings();
    (void)Settings::ApplySettingsLines(TextFileLines::SplitLines(bytes, Settings::SettingsLineCount));
    const QList<QByteArray> written = Settings::SettingsLines();
    if (written.size() != Settings::SettingsLineCount)
        std::abort();
    const QList<QByteArray> reread = TextFileLines::SplitLines(TextFileLines::JoinLines(written));
    if (reread != written)
        std::abort();
    Settings::SetDefaultSettings();
    if (!Settings::ApplySettingsLines(reread))
        std::abort();
    if (Settings::SettingsLines() != written)
        std::abort();
    return 0;
}
