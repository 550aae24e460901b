#pragma once

namespace molvane {

// The maker's web site and contact address. Not known yet: kept on the reserved example
// domain, in this one place, until real ones exist.
inline constexpr const char *MakerSite = "https://www.example.org/";
inline constexpr const char *OnlineHelpPage = "https://www.example.org/computer.php?id=molvane";
inline constexpr const char *MakerMail = "mailto:molvane@example.org";

} // namespace molvane
