#pragma once
// The interactive editor: the main window on the data drive named by the command line ("/D").
namespace salon {

// Runs the editor until its window closes; the process exit code.
int runEditor(int argc, char** argv);

} // namespace salon
