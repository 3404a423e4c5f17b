#pragma once

#include <filesystem>
#include <functional>

#include "core/data_paths.h"

namespace korva {

class FoodDataBase;

// A consolidation replaces three files (foods.arc, index.ser, korva.ini) and
// removes uncons.arc.  No single rename can do that, so it runs as a small
// transaction:
//   1. the new records, index and state are written beside the old ones
//      (temp.arc, index.new, korva.new), each flushed to disk;
//   2. the marker consol.cmt is written: from here on the new files win;
//   3. each new file is renamed over its old one, uncons.arc is removed, the
//      folder is flushed and the marker removed.
// Whatever the moment of a crash, start-up finds either no marker (the old
// files are whole; the new ones are thrown away) or the marker (the renames
// still missing are done).  Nothing is ever deleted before its replacement
// is safely on disk.
struct ConsolidationFiles {
    std::filesystem::path records; // temp.arc
    std::filesystem::path index;   // index.new
    std::filesystem::path state;   // korva.new
    std::filesystem::path marker;  // consol.cmt

    explicit ConsolidationFiles(const DataPaths& paths);
};

// The points at which a consolidation has changed something on disk.
enum class ConsolidationStep {
    recordsWritten = 1,
    indexWritten,
    stateWritten,
    committed,
    recordsReplaced,
    indexReplaced,
    stateReplaced,
    slotsRemoved,
    finished,
};
constexpr int kConsolidationSteps = static_cast<int>(ConsolidationStep::finished);

// Asked after each step; answering true stops the consolidation on the spot,
// as a crash would (tests use it to prove that start-up can always recover).
using ConsolidationInterrupt = std::function<bool(ConsolidationStep)>;

// Merges the index, foods.arc and uncons.arc into a new foods.arc in index
// order.  On failure before the commit nothing on disk or in memory changes.
// An entry's record is taken from where its own archived bit says it lies:
// the insertion flag is a summary that a damaged state file can get wrong.
bool consolidateDataBase(FoodDataBase& db, const ConsolidationInterrupt& interrupt = {});

enum class RecoveryAction {
    nothing,       // no consolidation was under way
    rolledBack,    // new files were incomplete and have been removed
    rolledForward, // the consolidation had committed and has been finished
    failed,        // committed, but a rename failed; the marker stays
};

// To be called at start-up before the state file is read (readStateFile
// calls it as well).  Idempotent.
RecoveryAction recoverInterruptedConsolidation(const DataPaths& paths);

} // namespace korva
