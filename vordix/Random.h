#pragma once
// The one random-number generator of the program (shuffling, dealing,
// computer-player choices). A linear congruential generator whose state, the
// seed, is saved as the attribute "SEED" of the element "RANDOM", so a
// saved game continues with the same draws.

#include "vordix/Stream.h"

#include <cstdint>

class VORDIX_RANDOM : public VORDIX_STREAM {
public:
    VORDIX_RANDOM() = default;
    ~VORDIX_RANDOM() override;

    // A value in 0 .. n-1 for 1 <= n <= 32766; 0 without advancing the seed
    // for any other n.
    int32_t next(int32_t n);

    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "RANDOM"; }
    void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const override;

    static constexpr int32_t MAX_RANGE = 32766;

    uint32_t seed = 1;
};
