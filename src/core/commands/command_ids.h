// Numeric command identifiers of menus, toolbar, accelerators and context
// menus. Actions in the ui are keyed by these numbers.
#pragma once

namespace pictra::cmd {

// 1..10: open the k-th most recent album.
inline constexpr int kRecentFirst = 1;
inline constexpr int kRecentLast = 10;

inline constexpr int kNewAlbum = 57600;
inline constexpr int kOpenAlbum = 32804;
inline constexpr int kSave = 32802;
inline constexpr int kSaveAs = 32803;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kExit = 57665;

inline constexpr int kDelete = 32775;
inline constexpr int kPaste = 32806;
inline constexpr int kCut = 32807;
inline constexpr int kCopy = 32808;

inline constexpr int kSearch = 32776;
inline constexpr int kSearchFromFile = 32777;

inline constexpr int kNextPage = 32778;
inline constexpr int kPreviousPage = 32779;
inline constexpr int kFirstPage = 32850;
inline constexpr int kLastPage = 32851;

inline constexpr int kSlideShow = 32780;
inline constexpr int kPauseSlide = 32809;
inline constexpr int kReverseSlide = 32810;
inline constexpr int kEndSlideShow = 32813;

inline constexpr int kZoom = 32781;
inline constexpr int kZoomBack = 32783;
inline constexpr int kEnlargedView = 32805;
inline constexpr int kStandardSize = 32814;

inline constexpr int kInputFromFile = 32788;
inline constexpr int kInputTwain = 32789;

inline constexpr int kExportJpeg = 32791;
inline constexpr int kExportBmp = 32792;
inline constexpr int kExportTiff = 32794;
inline constexpr int kExportPsd = 32840;
inline constexpr int kExportPcx = 32846;
// Formats added beside the original five.
inline constexpr int kExportPng = 32906;
inline constexpr int kExportWebp = 32907;

inline constexpr int kOptions = 32796;
inline constexpr int kCopyToFolder = 32798;
inline constexpr int kMoveToFolder = 32799;
inline constexpr int kRename = 32800;
inline constexpr int kRelink = 32870;

inline constexpr int kPrintNormal = 32842;
inline constexpr int kPrintPoster = 32855;
inline constexpr int kPrintDtp = 32856;

inline constexpr int kCascade = 32815;
inline constexpr int kTile = 32816;
inline constexpr int kArrangeIcons = 32817;
inline constexpr int kManual = 32857;
inline constexpr int kAbout = 57664;

// Metadata and order of an album's entries.
inline constexpr int kFillDateTaken = 32901;
inline constexpr int kExportXmp = 32902;
inline constexpr int kSortByDate = 32903;
inline constexpr int kSortByName = 32904;
inline constexpr int kSortByPlace = 32905;

inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;

} // namespace pictra::cmd
