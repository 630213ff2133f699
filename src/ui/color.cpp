#include "ui/color.h"

namespace ui {

namespace {

class XpDefaults final : public ColorResolver {
  public:
    Color SystemRgb(int index) const override {
        static constexpr Color table[sys::kCount] = {
            Hex(0xD4D0C8), Hex(0x004E98), Hex(0x0054E3), Hex(0x7A96DF), Hex(0xFFFFFF),
            Hex(0xFFFFFF), Hex(0x000000), Hex(0x000000), Hex(0x000000), Hex(0xFFFFFF),
            Hex(0xD4D0C8), Hex(0xD4D0C8), Hex(0x808080), Hex(0x316AC5), Hex(0xFFFFFF),
            Hex(0xECE9D8), Hex(0xACA899), Hex(0xACA899), Hex(0x000000), Hex(0xD8E4F8),
            Hex(0xFFFFFF), Hex(0x716F64), Hex(0xF1EFE2), Hex(0x000000), Hex(0xFFFFE1),
            Hex(0xB5B5B5), Hex(0x000080), Hex(0x3D95FF), Hex(0x9DB9EB), Hex(0x316AC5),
            Hex(0xECE9D8)};
        if (index < 0 || index >= sys::kCount) return 0;
        return table[index];
    }
};

}  // namespace

const ColorResolver& DefaultColorResolver() {
    static const XpDefaults instance;
    return instance;
}

}  // namespace ui
