#include "shell/IrisNameFields.h"

#include "shell/FieldBinding.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace quillory {

namespace {

QComboBox *choice(QWidget *parent, const QString &name, const QString &accessibleName,
                  const QVector<std::pair<const char *, const char *>> &items)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    int longest = 0;
    for (const auto &[text, value] : items) {
        box->addItem(QString::fromLatin1(text), QString::fromLatin1(value));
        longest = qMax(longest, int(qstrlen(text)));
    }
    box->setMinimumContentsLength(longest);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

QLineEdit *part(QWidget *parent, const QString &name, const QString &accessibleName, int chars)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(accessibleName);
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * (chars + 2));
    return edit;
}

// Shows the stored code as its entry and reads the entry's code back, none when empty.
void bindChoice(RecordField &field, QComboBox *box)
{
    field.show = [box](const QVariant &v) { box->setCurrentIndex(qMax(0, box->findData(v.toString()))); };
    field.read = [box]() -> QVariant {
        const QString code = box->currentData().toString();
        return code.isEmpty() ? QVariant() : QVariant(code);
    };
    field.clear = [box] { box->setCurrentIndex(0); };
}

} // namespace

IrisNameFields::IrisNameFields(QWidget *parent, const QString &who)
{
    tinType = choice(parent, QStringLiteral("cboIrisTinType"), who + QStringLiteral(" TIN type for IRIS"),
                     {{"", ""}, {"SSN", "SSN"}, {"EIN", "EIN"}});
    nameType = choice(parent, QStringLiteral("cboIrisNameType"), who + QStringLiteral(" name for IRIS is of"),
                      {{"", ""}, {"an individual", "I"}, {"a business", "B"}});
    first = part(parent, QStringLiteral("txtIrisFirst"), who + QStringLiteral(" first name for IRIS"), 14);
    middle = part(parent, QStringLiteral("txtIrisMiddle"), who + QStringLiteral(" middle name for IRIS"), 10);
    last = part(parent, QStringLiteral("txtIrisLast"), who + QStringLiteral(" last name for IRIS"), 18);
    suffix = part(parent, QStringLiteral("txtIrisSuffix"), who + QStringLiteral(" name suffix for IRIS"), 4);
}

void IrisNameFields::bind(const std::function<RecordField &(QWidget *, const QString &)> &addField,
                          const QString &prefix)
{
    bindChoice(addField(tinType, prefix + QStringLiteral("TinType")), tinType);
    bindChoice(addField(nameType, prefix + QStringLiteral("NameType")), nameType);
    const std::pair<QLineEdit *, const char *> parts[] = {
        {first, "FirstName"}, {middle, "MiddleName"}, {last, "LastName"}, {suffix, "Suffix"}};
    for (const auto &[edit, column] : parts)
        addField(edit, prefix + QLatin1String(column)).withKeys(RecordField::UpperCase);
}

QVector<std::pair<QString, QWidget *>> IrisNameFields::cells() const
{
    return {{QStringLiteral("TIN type"), tinType}, {QStringLiteral("Name of"), nameType},
            {QStringLiteral("First"), first},      {QStringLiteral("Middle"), middle},
            {QStringLiteral("Last"), last},        {QStringLiteral("Suffix"), suffix}};
}

QVector<QWidget *> IrisNameFields::tabOrder() const
{
    return {tinType, nameType, first, middle, last, suffix};
}

QGroupBox *IrisNameFields::group(QWidget *parent) const
{
    auto *group = new QGroupBox(QStringLiteral("Name for IRIS (an individual's in parts; a business files under "
                                               "its name lines)"),
                                parent);
    group->setObjectName(QStringLiteral("grpIrisName"));
    auto *grid = new QGridLayout(group);
    const std::pair<const char *, QWidget *> cells[] = {{"TIN type", tinType}, {"Name of", nameType},
                                                        {"First", first},      {"Middle", middle},
                                                        {"Last", last},        {"Suffix", suffix}};
    int column = 0;
    for (const auto &[caption, field] : cells) {
        auto *label = new QLabel(caption, group);
        label->setBuddy(field);
        grid->addWidget(label, 0, column);
        grid->addWidget(field, 1, column++);
    }
    return group;
}

QWidget *IrisNameFields::column(QWidget *parent) const
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(QStringLiteral("pnlIrisName"));
    auto *form = new QFormLayout(panel);
    form->setContentsMargins(0, 0, 0, 0);
    for (const auto &[caption, field] : cells()) {
        auto *label = new QLabel(caption, panel);
        label->setBuddy(field);
        form->addRow(label, field);
    }
    return panel;
}

} // namespace quillory
