#pragma once

#include <string_view>

namespace korva {

class Archive;

// A class whose objects are written to and read from an Archive.  One
// Serialize writes the fields when the archive is storing and reads them, in
// the same order, when it is loading.
class Serializable {
public:
    virtual ~Serializable() = default;
    virtual void Serialize(Archive& ar) = 0;
    // The name written in the class tag of an object reference.
    virtual std::string_view className() const = 0;
};

} // namespace korva
