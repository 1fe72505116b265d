#pragma once
// Save (Funkce(8)) and print (Funkce(5)) in the editor window: both take the composite, surface 5,
// at the model's own resolution after committing its drawn image.
//
// Printing without a printer shows text 172 and then offers to print into a PDF file, so people
// without a printer still get a printable result. SALON_PRINT_PDF names a PDF file to print into
// without any dialog (tests, scripted screenshots).
#include <string>

namespace salon {

class Editor;
class Engine;
class Ui;
struct Bitmap;

class SaveAndPrintCommands {
public:
    SaveAndPrintCommands(Editor& editor, Engine& engine, Ui& ui);
    void install();

    void save();
    void print();

    // Where the last print went when it was a PDF file.
    std::string lastPdf;

private:
    Bitmap committedComposite();

    Editor& m_editor;
    Engine& m_engine;
    Ui& m_ui;
};

} // namespace salon
