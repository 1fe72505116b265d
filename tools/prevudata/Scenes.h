#pragma once
// The presentation's painted data: the screen backgrounds with the hot areas' labels drawn where
// the hot areas are, and the frames of the short videos. GUI-free interface; the painting is Qt's
// (tools/prevudata/qt/), which needs no display.
#include "platform/Bitmap.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace salon::tools {

// The application object that text painting needs, for as long as painting goes on.
class PaintingSession {
public:
    PaintingSession(int& argc, char** argv);
    ~PaintingSession();
    PaintingSession(const PaintingSession&) = delete;
    PaintingSession& operator=(const PaintingSession&) = delete;

private:
    struct App;
    std::unique_ptr<App> m_app;
};

// Background of screen 1-5 at the class-1 layout size, 944 x 708.
Bitmap paintBackground(int screen);

struct VideoScript {
    std::string title;                   // shown over the first frames
    std::vector<std::string> captions;   // one per model, shown while it is on
    std::vector<std::string> models;     // model folders under the models directory
};
// Frames of a video: the sample face with each model's hair in turn, cross-fading from one to the
// next, framesPerModel frames each, at width x height.
std::vector<Bitmap> paintVideo(const VideoScript& script, const std::filesystem::path& modelsDir,
                               const std::filesystem::path& facePhoto, const std::filesystem::path& faceBox,
                               int framesPerModel, int width, int height);

} // namespace salon::tools
