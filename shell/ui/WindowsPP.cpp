#include "shell/ui/WindowsPP.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

CWindowsPP::CWindowsPP(fw::Profile& profile, QWidget* parent) : QWidget(parent), profile_(profile)
{
    const WindowRetainSettings settings = WindowRetainSettings::Load(profile);
    auto* group = new QGroupBox(QStringLiteral("Window Positions"), this);
    auto* boxes = new QVBoxLayout(group);
    const auto options = WindowRetainSettings::Options();
    for (std::size_t i = 0; i < options.size(); ++i) {
        auto* box = new QCheckBox(QString::fromLatin1(options[i].text), group);
        box->setObjectName(QStringLiteral("check%1").arg(options[i].checkBox));
        box->setChecked(settings.flags[i] != 0);
        connect(box, &QCheckBox::clicked, this, [this] { modified_ = true; });
        boxes->addWidget(box);
        boxes_[i] = box;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();
}

QCheckBox* CWindowsPP::CheckBox(int id) const
{
    return findChild<QCheckBox*>(QStringLiteral("check%1").arg(id));
}

void CWindowsPP::OnOK()
{
    WindowRetainSettings settings;
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        settings.flags[i] = boxes_[i]->isChecked() ? 1 : 0;
    settings.Save(profile_);
    modified_ = false;
}
