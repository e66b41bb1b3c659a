#pragma once

#include "printing/PrintScreen.h"

class QComboBox;

namespace quillory {

// The 1099 print screen: a payer's 1099-MISCs, the 1096 summary report and the 1096 form.
class PrtSel1099 : public PrintScreen {
    Q_OBJECT
public:
    explicit PrtSel1099(AppContext &ctx, QWidget *parent = nullptr);
    // Opens the screen in the main window; the 1099-MISC entry screen closes first.
    static void open(MDIForm1 &mainWindow);

    static constexpr int kHelpTopic = 1310;

    QComboBox *cboCopiesForm; // whose recipient copies the copy buttons draw

protected:
    RecordSet gridRows(const QString &fedIdNo, bool ordered) override;
    QString keyColumn() const override { return QStringLiteral("counter"); }
    void rebuildSummaries() override;
    void printForms(Printer &printer, const QVector<qlonglong> &keys) override;
    void printSummaryReport(Printer &printer) override;
    void printSummaryForm(Printer &printer) override;
    void createEfile() override;
    const CopyForm *copyForm() const override;
    QVector<qlonglong> copyKeys() override;
};

} // namespace quillory
