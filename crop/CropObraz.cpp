#include "crop/CropObraz.h"

#include "platform/Numbers.h"

#include <mutex>

namespace trimlet {

namespace {

std::mutex& factoryMutex()
{
    static std::mutex m;
    return m;
}

CutPicViewFactory& factorySlot()
{
    static CutPicViewFactory f;
    return f;
}

const std::string& emptyPath()
{
    static const std::string empty;
    return empty;
}

} // namespace

void setCutPicViewFactory(CutPicViewFactory factory)
{
    std::lock_guard lock(factoryMutex());
    factorySlot() = std::move(factory);
}

std::unique_ptr<CutPicView> makeCutPicView()
{
    CutPicViewFactory f;
    {
        std::lock_guard lock(factoryMutex());
        f = factorySlot();
    }
    return f ? f() : nullptr;
}

CropObraz::CropObraz() : m_dialog(std::make_unique<CutPic>())
{
    try {
        m_dialog->setView(makeCutPicView());
    } catch (...) {
        // A view that cannot be made leaves a dialog nobody can answer: HairFoto then reports 0.
    }
}

CropObraz::CropObraz(std::unique_ptr<CutPicView> view) : m_dialog(std::make_unique<CutPic>(std::move(view))) {}

CropObraz::~CropObraz() = default;

int32_t CropObraz::HairFoto(const std::string& Jme1, const std::string& Jme2, int32_t Tleft, int32_t TTop,
                            int32_t TJaz)
{
    try {
        m_dialog->setCUTJme(Jme1);
        m_dialog->setCUTJOt(Jme2);
        m_dialog->setCutJazyk(TJaz);
        // The position comes in twips, as a form is moved.
        const auto toPixels = [](int32_t twips) { return salon::roundHalfEven(float(twips) / float(salon::TwipsPerPixel)); };
        m_dialog->showModal(toPixels(Tleft), toPixels(TTop));
        return m_dialog->CUTStorno() != 0 ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

const std::string& CropObraz::writtenPath() const
{
    return m_dialog->CUTStorno() != 0 ? m_dialog->writtenPath() : emptyPath();
}

} // namespace trimlet
