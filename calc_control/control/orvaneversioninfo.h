#pragma once

#include "orvaneids.h"

// The library's version information and its maker's addresses, as the About box shows them.
// The addresses live here and nowhere else.
namespace OrvaneVersionInfo {

inline constexpr int major = OrvaneIds::libraryMajorVersion;
inline constexpr int minor = OrvaneIds::libraryMinorVersion;
inline constexpr int revision = 0;

inline constexpr char legalCopyright[] = "Copyright © 2026 Orvane. Tous droits réservés.";

// The reserved example domain until the product has addresses of its own.
inline constexpr char makerEmail[] = "orvane@example.org";
inline constexpr char makerWebAddress[] = "https://www.example.org/orvane/";

} // namespace OrvaneVersionInfo
