#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "archive/serializable.h"

namespace korva {

// Maps a class name to its schema and to a factory that makes an empty
// object.  Classes register themselves once (see KORVA_REGISTER_CLASS) or are
// added explicitly by a reader before it loads.
class ClassRegistry {
public:
    struct Entry {
        std::string name;
        unsigned schema = 0;
        std::function<std::unique_ptr<Serializable>()> create;
    };

    static ClassRegistry& instance();

    void add(std::string name, unsigned schema, std::function<std::unique_ptr<Serializable>()> create);
    const Entry* find(std::string_view name) const;

private:
    std::map<std::string, Entry, std::less<>> entries_;
};

template <class T>
bool registerSerializable(const char* name, unsigned schema = 0) {
    ClassRegistry::instance().add(name, schema, [] { return std::make_unique<T>(); });
    return true;
}

} // namespace korva
