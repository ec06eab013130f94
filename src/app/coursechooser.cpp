#include "app/coursechooser.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace app {

std::optional<courses::CourseEntry> askForCourse(const QList<courses::CourseEntry> &offered,
                                                 const QString &remembered)
{
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("CourseChooser"));
    dialog.setWindowTitle(QStringLiteral("Larkspur"));
    auto *layout = new QVBoxLayout(&dialog);
    auto *label = new QLabel(QStringLiteral("Which course would you like to practise?"), &dialog);
    auto *list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("lstCourses"));
    list->setAccessibleName(QStringLiteral("Courses"));
    label->setBuddy(list);
    for (const courses::CourseEntry &entry : offered) {
        auto *item = new QListWidgetItem(
            QStringLiteral("%1 (version %2)").arg(entry.info.name, entry.info.version), list);
        item->setToolTip(entry.builtIn() ? QStringLiteral("Built into Larkspur")
                                         : QDir::toNativeSeparators(entry.path));
        if (entry.path == remembered)
            list->setCurrentItem(item);
    }
    if (!list->currentItem())
        list->setCurrentRow(0);
    auto *buttons =
        new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(new QLabel(QStringLiteral("Larkspur remembers your choice. To change it "
                                                "later, start Larkspur with --choose-course."),
                                 &dialog));
    layout->addWidget(buttons);
    list->setFocus();
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0)
        return std::nullopt;
    return offered.value(list->currentRow());
}

} // namespace app
