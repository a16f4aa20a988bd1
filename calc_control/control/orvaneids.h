#pragma once

// The identities of the library Orvane and its classes. Containers store these: they were
// chosen once and must never change.
namespace OrvaneIds {

// Type library
inline constexpr char libraryName[] = "Orvane";
inline constexpr char libraryId[] = "{E2199790-4198-419A-A1C6-8C3F0A014952}";
inline constexpr int libraryMajorVersion = 1;
inline constexpr int libraryMinorVersion = 0;
inline constexpr int libraryLocale = 0x409;
inline constexpr char libraryHelpFile[] = "ORVANE.HLP";
inline constexpr char libraryDescription[] = "Orvane ActiveX Control";

// The control class and its interfaces
inline constexpr char controlProgId[] = "Orvane.QelCbCalc";
inline constexpr char controlClassId[] = "{BECE2E55-B609-47A8-B745-3983DD3C819D}";
inline constexpr char defaultInterfaceName[] = "_QelCbCalc";
inline constexpr char defaultInterfaceId[] = "{AB1211CE-245E-42AE-8E19-C3CB83529048}";
inline constexpr char eventInterfaceName[] = "__QelCbCalc";
inline constexpr char eventInterfaceId[] = "{03629D24-3109-4E6E-81DA-330EC6DE1794}";

// The property page
inline constexpr char propertyPageName[] = "General";
inline constexpr char propertyPageClassId[] = "{654F70C8-683C-474D-AA12-D07598418F04}";
inline constexpr char propertyPageInterfaceName[] = "_General";
inline constexpr char propertyPageInterfaceId[] = "{EFEECB84-1255-4DCA-B834-B489AAF1FD77}";

// Enumerations
inline constexpr char outputFormatConstantsId[] = "{A7A8327B-1F68-412F-934C-C78DE59C9491}";
inline constexpr char mousePointerConstantsId[] = "{C70BC95D-FF04-47C5-9906-9B1462D306D3}";

} // namespace OrvaneIds
