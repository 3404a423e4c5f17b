#pragma once

#include <memory>
#include <vector>

#include "app/food_list_commands.h"
#include "lists/flist_doc.h"

namespace korva::test {

// The document area without windows: documents in a list, the last shown or
// brought forward has the focus.
class ListedDocuments : public DocumentWindows {
public:
    std::vector<CFListDoc*> documents() const override {
        std::vector<CFListDoc*> out;
        for (const auto& d : docs) out.push_back(d.get());
        return out;
    }
    CFListDoc* focusedDocument() const override { return focused; }
    CFListDoc& show(std::unique_ptr<CFListDoc> doc) override {
        docs.push_back(std::move(doc));
        focused = docs.back().get();
        return *focused;
    }
    void bringToFront(CFListDoc& doc) override { focused = &doc; }
    void documentChanged(CFListDoc&) override {}
    void documentRetitled(CFListDoc&) override {}

    std::vector<std::unique_ptr<CFListDoc>> docs;
    CFListDoc* focused = nullptr;
};

} // namespace korva::test
