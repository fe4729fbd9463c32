#pragma once
// Puts the real world-rating and currency requests behind the round end's series
// services (RoundEnd::Services()); the world result window stays as it was set.
namespace OnlineServices {

void BindOnlineServices();

} // namespace OnlineServices
