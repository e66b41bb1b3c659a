#pragma once

#include "efile/EfileOutcome.h"

#include <functional>

namespace quillory {

struct AppContext;

// What one print screen's "Create ... E-file..." button writes.
struct EfileRequest {
    QString form;          // "W-2", "1099"
    QString filerWord;     // "employer", "payer"
    QString formsWord;     // "W-2s", "returns"
    QString chosenFiler;   // the number shown in the screen's combo
    QString suggestedName; // file name offered in the save dialog
    QString sendTo;        // where the user uploads the file
    QByteArray lineEnd;    // written after each record
    // Builds the file for every filer (true) or the chosen one.
    std::function<efile::EfileOutcome(bool all)> build;
};

// Asks for which filers, checks, and when nothing stands in the way asks for the file name,
// writes the file and says where it is and how many records it holds. Problems are listed
// and nothing is written.
void CreateEfile(AppContext &ctx, const EfileRequest &request);

} // namespace quillory
