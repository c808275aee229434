// The program's own resources, made at build time and compiled in.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

enum class ResourceType { Bitmap, Cursor, Icon };

// Bitmaps, cursor and icon are stored as a Windows bitmap resource holds them:
// info header, colour table and pixels, without the 14-byte file header.
struct Resource {
    const char* name;
    ResourceType type;
    const unsigned char* data;
    std::size_t size;
};

extern const Resource kBuiltInResources[];
extern const int kBuiltInResourceCount;

// Looks a resource up by name without regard to case; null when there is none.
const Resource* FindResource(const char* name, ResourceType type);

// The resource's bytes behind a BMP file header, so a BMP reader can take them.
std::vector<std::uint8_t> ResourceAsBmpFile(const Resource& resource);

}  // namespace platform
