#include "platform/resources.h"

#include <strings.h>

#include <cstring>

#include "platform/portable/bmp_header.h"
#include "platform/testing/test_hooks.h"

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
    std::vector<std::uint8_t> out(kBmpFileHeaderSize + resource.size);
    const std::uint32_t file_size = std::uint32_t(kBmpFileHeaderSize + resource.size);
    // Pixels start after the info header and its colour table.
    std::uint32_t offset = kBmpFileHeaderSize;
    BmpInfoHeader info;
    if (ReadBmpInfoHeader(resource.data, resource.size, &info))
        offset += info.size + std::uint32_t(info.entry_size) * DeclaredColours(info);
    out[0] = 'B';
    out[1] = 'M';
    for (int i = 0; i < 4; ++i) {
        out[2 + i] = std::uint8_t(file_size >> (8 * i));
        out[10 + i] = std::uint8_t(offset >> (8 * i));
    }
    if (resource.size) std::memcpy(out.data() + kBmpFileHeaderSize, resource.data, resource.size);
    return out;
}

}  // namespace platform
