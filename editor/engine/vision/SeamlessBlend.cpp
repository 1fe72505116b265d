// seamlessBlend with cv::seamlessClone.
#include "editor/engine/vision/SeamlessBlend.h"

#include <opencv2/imgproc.hpp>
#include <opencv2/photo.hpp>

#include <cstring>

namespace salon {

namespace {

cv::Mat wrap(const BgrPicture& p) { return cv::Mat(p.height, p.width, CV_8UC3, const_cast<uint8_t*>(p.pixels), p.rowBytes); }

BlendResult failed(std::string why)
{
    BlendResult r;
    r.error = std::move(why);
    return r;
}

} // namespace

BlendResult seamlessBlend(const BgrPicture& face, const BgrPicture& model, const uint8_t* mask, uint8_t* out)
{
    if (face.width != model.width || face.height != model.height || face.width < 3 || face.height < 3)
        return failed("the face and the model differ in size");
    try {
        const cv::Mat src = wrap(face), dst = wrap(model);
        cv::Mat m(model.height, model.width, CV_8UC1, const_cast<uint8_t*>(mask), size_t(model.width));
        // The clone leaves out the picture's outermost pixels (it needs a neighbour on every side),
        // so only what lies within them counts.
        cv::Mat inner = m(cv::Rect(1, 1, m.cols - 2, m.rows - 2)) != 0;
        if (cv::countNonZero(inner) == 0) return failed("the mask is empty");
        cv::Mat bordered;
        cv::copyMakeBorder(inner, bordered, 1, 1, 1, 1, cv::BORDER_CONSTANT, cv::Scalar(0));
        // The clone centres the mask's bounding box on the point given: its own centre keeps the
        // face where it is (the same integer halving as the clone's).
        const cv::Rect box = cv::boundingRect(bordered);
        const cv::Point centre(box.x + box.width / 2, box.y + box.height / 2);
        cv::Mat blended;
        cv::seamlessClone(src, dst, bordered, centre, blended, cv::NORMAL_CLONE);
        if (blended.size() != dst.size() || blended.type() != CV_8UC3) return failed("the blend has another size");
        for (int32_t y = 0; y < model.height; ++y)
            std::memcpy(out + size_t(y) * model.rowBytes, blended.ptr(y), size_t(model.width) * 3);
        return BlendResult{true, {}};
    } catch (const cv::Exception& e) {
        return failed(e.what());
    }
}

} // namespace salon
