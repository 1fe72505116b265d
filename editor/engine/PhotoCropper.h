#pragma once
// The hand-off of oversized photos to the crop component. The shell wires the real component;
// without one (a null pointer in the engine) oversized photos are refused.
#include <cstdint>
#include <string>

namespace salon {

struct PhotoCropper {
    virtual ~PhotoCropper() = default;
    // Lets the user trim the photo Jme1 and writes the reduced copy to Jme2; non-zero when written.
    // TJaz is the language number.
    virtual int32_t HairFoto(const std::string& Jme1, const std::string& Jme2, int32_t Tleft, int32_t TTop,
                             int32_t TJaz) = 0;
    // After a non-zero HairFoto: the path the reduced copy was really written to, when that is not
    // Jme2 (a program directory the user cannot write to sends it to the user's cache directory).
    // Empty means Jme2 itself. The path resolves with nativePath.
    virtual std::string writtenPath() const { return {}; }
};

} // namespace salon
