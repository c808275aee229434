#include "platform/portable/bmp_header.h"

#include "platform/portable/byte_order.h"

namespace platform {

bool ReadBmpInfoHeader(const std::uint8_t* info, std::size_t available, BmpInfoHeader* header) {
    if (!info || available < 12) return false;
    BmpInfoHeader h;
    h.size = le32(info);
    if (h.size == 12) {
        h.width = le16(info + 4);
        h.height = std::int16_t(le16(info + 6));
        h.bits = le16(info + 10);
        h.entry_size = 3;
    } else if (h.size >= 40 && h.size <= 124 && available >= h.size) {
        h.width = std::int32_t(le32(info + 4));
        h.height = std::int32_t(le32(info + 8));
        h.bits = le16(info + 14);
        h.compression = le32(info + 16);
        h.colours_used = le32(info + 32);
    } else {
        return false;
    }
    *header = h;
    return true;
}

std::uint32_t DeclaredColours(const BmpInfoHeader& header) {
    if (header.bits > 8) return 0;
    return header.colours_used ? header.colours_used : 1u << header.bits;
}

}  // namespace platform
