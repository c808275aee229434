// What tests put in place of the devices: their own debug lines, message
// boxes, messages and resources, and the sound device's mixing on demand.
// The game itself never calls these; each is defined beside the state it
// replaces.
#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/messages.h"
#include "platform/resources.h"

namespace platform {

// The lines are collected instead; null restores stderr.
void SetDebugOutputHook(void (*hook)(const char* text));

// Boxes are recorded instead of blocking; null restores the real box.
void SetMessageBoxHook(void (*hook)(const char* text, const char* caption));

// Scripted messages: peek and wait answer as PeekMessage and GetMessage
// would (quit handling stays in the platform). Null restores the events.
struct MessageSource {
    bool (*peek)(Message* msg);
    bool (*wait)(Message* msg);
};
void SetMessageSource(const MessageSource* source);
// Forgets a posted quit request, for tests that run the loop more than once.
void ResetQuit();

// A table of the test's own in place of the built-in one; null restores it.
void SetResourceTable(const Resource* table, int count);

// Pauses the sound device for good and mixes its next frames (16-bit,
// AudioChannels() interleaved) into out, just as its callback would have.
void MixAudioForTest(std::int16_t* out, std::size_t frames);

}  // namespace platform
