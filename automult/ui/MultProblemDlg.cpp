#include "automult/ui/MultProblemDlg.h"

#include "automult/ui/EngineDialog.h"
#include "fw/qt/QtText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>

CMultProblemDlg::CMultProblemDlg(const std::vector<AMPartRow>& tooLong, const std::vector<AMPartRow>& tooManyTools,
                                 QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle("Multing Problem");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Part Length More than Mult Length", this));
    layout->addWidget(AddList(IDC_TOO_LONG, tooLong));
    layout->addWidget(new QLabel("Part has more tools than Machine", this));
    layout->addWidget(AddList(IDC_TOO_MANY_TOOLS, tooManyTools));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (auto [text, id] : {std::pair{"Mult", int(IDC_MULT)}, {"Cancel Multing", 2}, {"Start", 1}}) {
        QPushButton* button = AddIdButton(*this, text, id);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, id = id] { done(id); });
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    PlaceEngineWindow(*this);
}

QTreeWidget* CMultProblemDlg::AddList(int id, const std::vector<AMPartRow>& rows)
{
    auto* list = new QTreeWidget(this);
    list->setObjectName(QString::number(id));
    list->setRootIsDecorated(false);
    list->setHeaderLabels({"JOB", "GROUP", "MARK"});
    for (int column = 0; column < 3; ++column)
        list->header()->resizeSection(column, 50);
    for (const AMPartRow& row : rows)
        list->addTopLevelItem(new QTreeWidgetItem({fw::ToQString(row.job), fw::ToQString(row.group), fw::ToQString(row.mark)}));
    return list;
}
