// The resource table that the Linux build embeds (generated from a resource script).
#pragma once

namespace platform {

struct EmbeddedResource {
    const char* type;
    int id;
    const unsigned char* begin;
    const unsigned char* end;
};

// Ends with an entry whose type is null.
extern const EmbeddedResource embeddedResources[];

}  // namespace platform
