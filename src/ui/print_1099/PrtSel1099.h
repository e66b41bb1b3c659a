#pragma once

#include "printing/PrintScreen.h"

class QGroupBox;

namespace quillory {

// The 1099 print screen: a payer's 1099-MISCs, the 1096 summary report and the 1096 form. From
// tax year 2025 a choice of form type switches it to the 1099-NECs and their own 1096.
class PrtSel1099 : public PrintScreen {
    Q_OBJECT
public:
    explicit PrtSel1099(AppContext &ctx, QWidget *parent = nullptr);
    // Opens the screen in the main window for the filer (every filer when it has no number);
    // the 1099-MISC entry screen closes first.
    static void open(MDIForm1 &mainWindow, const FilerKey &filer);

    static constexpr int kHelpTopic = 1310;

    // Shows the returns of a form type: 0 the 1099-MISC, 1 the 1099-NEC.
    void optFormType_Click(int index);

    // From tax year 2025 only; null before.
    QGroupBox *fraFormType = nullptr;
    QRadioButton *optFormType[2] = {nullptr, nullptr};

protected:
    RecordSet gridRows(const QString &fedIdNo, bool ordered) override;
    QString keyColumn() const override { return QStringLiteral("counter"); }
    void rebuildSummaries() override;
    void printForms(Printer &printer, const QVector<qlonglong> &keys) override;
    void printSummaryReport(Printer &printer) override;
    void printSummaryForm(Printer &printer) override;
    void createEfile() override;
    const CopyForm *copyForm() const override;

private:
    bool nec_ = false;
    QString formType_; // the 1096's form type; empty before 2025, when the 1096 has one row per payer
};

} // namespace quillory
