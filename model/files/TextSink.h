#pragma once
// Where a writer's text goes piece by piece, so that a text need not be built whole to be used.
#include <string_view>

class TextSink {
public:
    virtual ~TextSink() = default;
    // The next piece of the text, right after the ones before it.
    virtual void Append(std::string_view piece) = 0;
};
