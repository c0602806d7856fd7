#include "compare_dialog.h"

#include "session/qt_translations.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace q731 {

CompareDialog::CompareDialog(Source source, const QString &sourceName,
                             const std::vector<RadioDifference> &differences, Language language,
                             QWidget *parent)
    : QDialog(parent)
{
    const TextsIn translate(language);
    const bool radio = source == Source::Radio;
    setObjectName(QStringLiteral("FrmCompare"));
    setWindowTitle(radio ? translate("CompareDialog", "与电台比较")
                         : translate("CompareDialog", "与文件比较"));

    auto *summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("Summary"));
    summary->setWordWrap(true);
    const int count = int(differences.size());
    summary->setText(
        count == 0 ? translate("CompareDialog", "%1与本程序中的数据没有不同之处。").arg(sourceName)
                   : translate("CompareDialog", "%1与本程序中的数据有 %n 处不同。", nullptr, count)
                         .arg(sourceName));

    auto *table = new QTableWidget(static_cast<int>(differences.size()), 3, this);
    table->setObjectName(QStringLiteral("Differences"));
    table->setHorizontalHeaderLabels(
        {translate("CompareDialog", "项目"),
         radio ? translate("CompareDialog", "电台中") : translate("CompareDialog", "文件中"),
         translate("CompareDialog", "本程序中")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    for (std::size_t i = 0; i < differences.size(); ++i) {
        const RadioDifference &difference = differences[i];
        const int row = static_cast<int>(i);
        table->setItem(row, 0, new QTableWidgetItem(difference.name));
        table->setItem(row, 1, new QTableWidgetItem(difference.theirs));
        table->setItem(row, 2, new QTableWidgetItem(difference.ours));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setVisible(!differences.empty());

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *write =
        buttons->addButton(translate("CompareDialog", "写频(&W)"), QDialogButtonBox::AcceptRole);
    write->setObjectName(QStringLiteral("Write"));
    QPushButton *close =
        buttons->addButton(translate("CompareDialog", "关闭"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("Close"));
    close->setDefault(true);
    connect(write, &QPushButton::clicked, this, [this] { done(kWrite); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(table, 1);
    layout->addWidget(buttons);
    resize(720, differences.empty() ? 140 : 480);
}

} // namespace q731
