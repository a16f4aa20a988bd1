#pragma once

// The program's version: 4.00.0001.
namespace TarvelinVersion {
constexpr int major = 4;
constexpr int minor = 0;
constexpr int revision = 1;
} // namespace TarvelinVersion
