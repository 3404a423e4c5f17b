#include "archive/class_registry.h"

namespace korva {

ClassRegistry& ClassRegistry::instance() {
    static ClassRegistry registry;
    return registry;
}

void ClassRegistry::add(std::string name, unsigned schema, std::function<std::unique_ptr<Serializable>()> create) {
    Entry e{name, schema, std::move(create)};
    entries_[std::move(name)] = std::move(e);
}

const ClassRegistry::Entry* ClassRegistry::find(std::string_view name) const {
    auto it = entries_.find(name);
    return it == entries_.end() ? nullptr : &it->second;
}

} // namespace korva
