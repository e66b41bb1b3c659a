#pragma once

#include "misc1099/Return1099Screen.h"

namespace quillory {

// The 1099-NEC screen: the 1099-NEC records of one payer, one at a time, in fields laid out like
// the paper form of the database's tax year (2025 or later).
class Nec1099 : public Return1099Screen {
    Q_OBJECT
public:
    Nec1099(AppContext &ctx, const FilerKey &payer, OpenScreen openScreen = {}, QWidget *parent = nullptr);
    // Opens the screen for the payer, as the 1099-MISC screen opens;
    // a database of a year before 2025 is told that the form is not kept for it.
    static void open(MDIForm1 &mainWindow, const FilerKey &payer);
};

} // namespace quillory
