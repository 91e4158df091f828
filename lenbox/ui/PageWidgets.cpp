#include "lenbox/ui/PageWidgets.h"

#include "lenbox/LenboxIds.h"

#include "fw/core/MessageService.h"
#include "fw/core/StringTable.h"
#include "fw/qt/QtText.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lenbox {

QLineEdit* PageEdit(QWidget* parent, const char* property, const std::string& text)
{
    auto* edit = new QLineEdit(fw::ToQString(text), parent);
    edit->setObjectName(QString::fromLatin1(property));
    return edit;
}

QGroupBox* RadioGroup(QWidget* parent, const QString& title, const char* property,
                      std::initializer_list<QString> labels, int checked, QButtonGroup*& group)
{
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    group = new QButtonGroup(box);
    group->setObjectName(QString::fromLatin1(property));
    int id = 0;
    for (const QString& label : labels) {
        auto* radio = new QRadioButton(label, box);
        radio->setChecked(id == checked);
        group->addButton(radio, id++);
        layout->addWidget(radio);
    }
    return box;
}

QString PageText(unsigned id)
{
    return fw::ToQString(fw::StringTables::Get(kStringTable).Get(id));
}

void ShowPageMessage(const std::string& message)
{
    fw::Messages().MessageBox(message, fw::StringTables::Get(kStringTable).Get(IDS_LENBOX),
                              fw::MB_OK | fw::MB_ICONEXCLAMATION);
}

} // namespace lenbox
