#pragma once

#include "misc1099/Return1099Screen.h"

namespace quillory {

// The 1099-MISC screen: the 1099-MISC records of one payer, one at a time, in fields laid out
// like the paper form of the database's tax year (the 1999-2019 form before 2025).
class Misc1099 : public Return1099Screen {
    Q_OBJECT
public:
    Misc1099(AppContext &ctx, const FilerKey &payer, OpenScreen openScreen = {}, QWidget *parent = nullptr);
    // Opens the screen for the payer, closing the 1099 print screen
    // and a screen left open for another payer.
    static void open(MDIForm1 &mainWindow, const FilerKey &payer);

    // The box fields of the form before 2025 by index.
    enum Box : int {
        kBox1 = 10,
        kBox2 = 11,
        kBox3 = 12,
        kBox4 = 13,
        kBox6 = 14,
        kBox8 = 15,
        kBox10 = 16,
        kBox5 = 17,
        kBox7 = 18,
        kBox13 = 28,
        kBox14 = 29,
    };
    // Each two-line box, line 1 and line 2: box 15, box 16 and box 18 (box 17 is the state line).
    static constexpr int kBox15[2] = {3, 24};
    static constexpr int kBox16[2] = {30, 31};
    static constexpr int kBox18[2] = {32, 33};
    // The direct sales mark of the form before 2025.
    static constexpr int kBox9 = 2;

private:
    // The fields of the form before 2025, in the order they are shown and stored; then the
    // paper form that holds them.
    void makeFields();
    // The field of a row of the form's table (a state line: its state box).
    QWidget *rowField(int row) const;
    void buildForm();
    void makeSideNotes(PaperForm &form);
};

} // namespace quillory
