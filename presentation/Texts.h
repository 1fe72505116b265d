#pragma once
// The presentation's own texts (Czech, UTF-8), shown in message boxes without a title.
namespace prevu::texts {

// Follows the line end, as the refusal of the editor's buttons on a small screen.
inline constexpr const char* SmallScreen = " Při rozlišení, menším než 800 x 600 nelze spustit !  Viz INFO";
inline constexpr const char* NoDataDrive =
    "Nebyl nalezen disk s daty prezentace (soubor Dslob00.aob v kořeni disku).\r\n"
    "Připravte disk s daty a zvolte Opakovat, nebo prezentaci ukončete volbou Storno.";
inline constexpr const char* EditorNotStarted = "Program salonu nelze spustit: ";
inline constexpr const char* VideoNotPlayed = "Video nelze přehrát: ";

} // namespace prevu::texts
