#pragma once

namespace velmorix {

// The product line as titles and texts show it; the long form is the one the
// played-columns and grouping texts use.
inline constexpr const char* kProgramName = "VELMORIX 653 Dizimci";
inline constexpr const char* kProgramTitle = "VELMORIX 653 Dizimci u4.5";
inline constexpr const char* kProgramTitleLong = "VELMORIX 653 DİZİMCİ Uyarlama 4.5";

// The balls of the game, 1..kBalls; every grid, bag and count reads this.
inline constexpr int kBalls = 49;

// Window and page positions are kept in twips: 1440 to the inch, 15 to a
// pixel at 96 dots per inch.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kTwipsPerPixel = 15;

} // namespace velmorix
