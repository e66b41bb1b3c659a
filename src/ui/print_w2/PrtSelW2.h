#pragma once

#include "printing/PrintScreen.h"

namespace quillory {

// The W-2 print screen: an employer's W-2s, the W-3 summary report and the W-3 form.
class PrtSelW2 : public PrintScreen {
    Q_OBJECT
public:
    explicit PrtSelW2(AppContext &ctx, QWidget *parent = nullptr);
    // Opens the screen in the main window for the filer (every filer when it has no number);
    // the W-2 entry screen closes first.
    static void open(MDIForm1 &mainWindow, const FilerKey &filer);

    static constexpr int kHelpTopic = 1300;

protected:
    RecordSet gridRows(const QString &fedIdNo, bool ordered) override;
    QString keyColumn() const override { return QStringLiteral("id"); }
    void rebuildSummaries() override;
    void printForms(Printer &printer, const QVector<qlonglong> &keys) override;
    void printSummaryReport(Printer &printer) override;
    void printSummaryForm(Printer &printer) override;
    void createEfile() override;
};

} // namespace quillory
