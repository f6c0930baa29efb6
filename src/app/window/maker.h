#pragma once

// Who makes the program, as the About message and the decoration box show it.
namespace brisanel::app {

inline constexpr const char* kMakerName = "M/S Norvikal";
inline constexpr const char* kMakerTown = "Brookhaven";
inline constexpr const char* kMakerEmail = "support@norvikal.example";
inline constexpr const char* kMakerWebAddress = "www.norvikal.example";

}  // namespace brisanel::app
