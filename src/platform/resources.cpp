#include "platform/resources.h"

#include <strings.h>

#include <cstring>

namespace platform {
namespace {

const Resource* g_table = nullptr;
int g_count = 0;

}  // namespace

void SetResourceTable(const Resource* table, int count) {
    g_table = table;
    g_count = table ? count : 0;
}

const Resource* FindResource(const char* name, ResourceType type) {
    const Resource* table = g_table ? g_table : kBuiltInResources;
    const int count = g_table ? g_count : kBuiltInResourceCount;
    if (!name) return nullptr;
    for (int i = 0; i < count; ++i)
        if (table[i].type == type && strcasecmp(table[i].name, name) == 0) return &table[i];
    return nullptr;
}

std::vector<std::uint8_t> ResourceAsBmpFile(const Resource& resource) {
    // Sized once and filled in place: growing a 14-byte vector trips a false
    // bounds warning in GCC 12 at -O3.
    std::vector<std::uint8_t> out(14 + resource.size);
    const std::uint32_t file_size = std::uint32_t(14 + resource.size);
    // Pixels start after the info header and its colour table.
    std::uint32_t offset = 14;
    if (resource.size >= 40) {
        const unsigned char* h = resource.data;
        const std::uint32_t header = std::uint32_t(h[0] | h[1] << 8 | h[2] << 16 | std::uint32_t(h[3]) << 24);
        const std::uint16_t bits = std::uint16_t(h[14] | h[15] << 8);
        const std::uint32_t used = std::uint32_t(h[32] | h[33] << 8 | h[34] << 16 | std::uint32_t(h[35]) << 24);
        std::uint32_t colours = bits <= 8 ? (used ? used : 1u << bits) : 0;
        offset += header + 4 * colours;
    }
    out[0] = 'B';
    out[1] = 'M';
    for (int i = 0; i < 4; ++i) {
        out[2 + i] = std::uint8_t(file_size >> (8 * i));
        out[10 + i] = std::uint8_t(offset >> (8 * i));
    }
    if (resource.size) std::memcpy(out.data() + 14, resource.data, resource.size);
    return out;
}

}  // namespace platform
