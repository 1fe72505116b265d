#include "crop/CropTexts.h"

#include <initializer_list>
#include <string_view>

namespace trimlet {

namespace {

// Each help text is kept line by line as it is shown; blanks at line ends are part of the text.
constexpr std::string_view HelpCzech[] = {
    "Nápověda ",
    "Obraz, který jste otevřeli, má příliš ",
    "velké rozměry pro danou aplikaci. ",
    "Pokud stisknete storno, nebude ",
    "obraz upravován, a budete muset ",
    "zvolit jiný soubor. ",
    "Úprava obrazu :     Pokud jsou po ",
    "stranách obrazu nepotřebné plochy, ",
    "odstraňte je !    ( Důležité, aby se ",
    "nezmenšoval aktivní  obraz -  horší ",
    "výsledky ).  Kurzor umístěte na ",
    "rámeček kolem obrazu a stiskněte ",
    "levé tlačítko myši. Tažením lze ",
    "zvětšovat a zmenšovat rámeček. ",
    "Když zbylá plocha obrazu vyhovuje, ",
    "stiskněte OK. Zmenšený obraz ",
    "najdete v adresáři s programem, ",
    "poslední písmeno názvu je ",
    "nahrazeno pomlčkou !",
};

constexpr std::string_view HelpSlovak[] = {
    "Pomocník ",
    "Obraz, ktorý ste otvorili, mal príliš ",
    "veľké rozmery pre danú aplikáciu. ",
    "Ak stlačíte storno, nebude ",
    "obraz upravovaný a budete musieť ",
    "zvoliť iný súbor. ",
    "Úprava obrazu :    Ak sú po bokoch ",
    "strán obrazu nepotrebné plochy, ",
    "odstráňte ich !    ( Je dôležité, aby sa ",
    "nezmenšoval aktívny  obraz -  horšie ",
    "výsledky ).  Kurzor umiestnite na ",
    "rámček okolo obrazu a stlačte ",
    "ľavé tlačidlo myši. Ťahom je možné ",
    "zväčšovať a zmenšovať rámček. ",
    "Ak zvyšná plocha obrazu vyhovuje, ",
    "stlačte OK. Zmenšený obraz ",
    "nájdete v adresári s programom, ",
    "posledné písmeno názvu je ",
    "nahradené pomlčkou !",
};

constexpr std::string_view HelpGerman[] = {
    "Hilfe ",
    "Das Bild, das Sie geöffnet haben, hatte zu ",
    "große Abmessungen für die gegebene ",
    "Applikation. Falls Sie Rückgängig drücken, ",
    "wird das Bild nicht modifiziert, und Sie ",
    "müssen eine andere Datei wählen. ",
    "Bildanpassung: sind an beiden Seiten des ",
    "Bildes unnötige Flächen, beseitigen Sie sie ! ",
    "(Es ist wichtig, daß das Aktivbild nicht ",
    "verkleinert wird - das verschlechtert die ",
    "Ergebnisse). Setzen Sie den Mauszeiger ",
    "auf den Rahmen um das Bild und drücken ",
    "Sie die linke Maustaste. Mit dem Ziehen ",
    "kann man den Rahmen vergrößern und  ",
    "verkleinern. Wenn die restliche Bildfläche ",
    "ausreicht, drücken Sie OK.  ",
    "Das verkleinerte Bild finden Sie in dem ",
    "Verzeichnis, wo das Programm abgelegt ",
    "ist; der letzte Buchstabe des Namens ist ",
    "durch einen Gedankenstrich ersetzt!",
};

constexpr std::string_view HelpEnglish[] = {
    "Opened picture had too large ",
    "dimensions for current application. ",
    "If you press Cancel, the picture ",
    "remain without changes and you ",
    "will need to open another file. ",
    "Picture trimming:  If there are ",
    "redundant areas on the picture sides, ",
    "remove it ! (Important ! – decreasing ",
    "of active picture dimensions ",
    "will affect quality of the picture). ",
    "Place the cursor on the picture ",
    "frame and click on the left mouse ",
    "button. Drag for increasing ",
    "or decreasing of the picture frame ",
    "Press OK if you are satisfied ",
    "with the size of picture area. ",
    "This decreased picture you can find ",
    "in the program folder,  last letter ",
    "of its name is replaced by dash !",
};

constexpr std::string_view HelpSpanish[] = {
    "La foto abierta es grande para la ",
    "aplicación. Al apretar Cancelar, ",
    "tendrá que escoger otra foto. ",
    "Arreglamiento de la foto: ",
    "Si hay áreas inútiles en la foto ",
    "apartelas! (Es importante que no ",
    "se reduzca la parte activa ",
    "– salen resultados peores.) ",
    "Coloca el indicador encima del ",
    "marco alrededor de la foto ",
    "y apriete el botón del ratón. Con ",
    "el ratón puede Ud. aumentar ",
    "o reducir el marco. Cuando esté ",
    "contenta, apriete OK. La foto ",
    "reducida encontrará en el ",
    "directorio del programa. La última ",
    "letra en el nombre del archivo ",
    "de la foto se cambiará!",
};

template <size_t N>
std::string joinLines(const std::string_view (&lines)[N])
{
    std::string text;
    for (size_t i = 0; i < N; ++i) {
        if (i) text += '\n';
        text += lines[i];
    }
    return text;
}

} // namespace

std::string cropText(int32_t id)
{
    switch (id) {
    case 6: case 26: case 46: case 66: return "OK";
    case 86: return " OK ";
    case 7: case 27: return "Storno";
    case 47: return "Rückgängig";
    case 67: return "Cancel";
    case 87: return " Cancelar ";
    case 8: return "   ÚPRAVA ROZMĚRŮ OBRAZU";
    case 28: return " ÚPRAVA ROZMEROV OBRAZU";
    case 48: return "  Anpassung der Bildgröße";
    case 68: return " CHANGE OF PICTURE DIMENSIONS";
    // The Spanish title has always been carried with this letter; it is kept as the table holds it.
    case 88: return " Cambio del tamańo de la foto ";
    case 9: return joinLines(HelpCzech);
    case 29: return joinLines(HelpSlovak);
    case 49: return joinLines(HelpGerman);
    case 69: return joinLines(HelpEnglish);
    case 89: return joinLines(HelpSpanish);
    default: return {};
    }
}

} // namespace trimlet
