#pragma once

namespace korva {

class CFListDoc;
class FoodList;

// Which document the commands act on: set when a document is created or
// opened and whenever its window gains the focus, cleared when it closes.
// One lives beside the data base for the whole run.
class ActiveDocument {
public:
    CFListDoc* document() const { return doc_; }
    FoodList* list() const;
    void set(CFListDoc* doc) { doc_ = doc; }
    void clear() { doc_ = nullptr; }
    // Clears the record only if it names `doc` (a closing document must not
    // clear another that has become active meanwhile).
    void forget(const CFListDoc* doc) {
        if (doc_ == doc) doc_ = nullptr;
    }

private:
    CFListDoc* doc_ = nullptr;
};

} // namespace korva
