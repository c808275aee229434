#include "platform/resources.h"

#include <SDL.h>

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
        if (table[i].type == type && SDL_strcasecmp(table[i].name, name) == 0) return &table[i];
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
        std::uint32_t header, used;
        std::uint16_t bits;
        std::memcpy(&header, resource.data, 4);
        std::memcpy(&bits, resource.data + 14, 2);
        std::memcpy(&used, resource.data + 32, 4);
        header = SDL_SwapLE32(header);
        bits = SDL_SwapLE16(bits);
        used = SDL_SwapLE32(used);
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
