#include "ui/ranges/range_library_box.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace korvana::ui {

namespace {

// More would hide the grid window's other parts; the file names the rest.
constexpr int kProblemsShown = 3;

}  // namespace

RangeLibraryBox::RangeLibraryBox(Language language, QWidget* parent)
    : QWidget(parent),
      language_(language),
      list_(new QComboBox(this)),
      save_(new QPushButton(this)),
      problems_(new QLabel(this)) {
    list_->setObjectName(QStringLiteral("rangeLibraryList"));
    save_->setObjectName(QStringLiteral("rangeLibrarySave"));
    problems_->setObjectName(QStringLiteral("rangeLibraryProblems"));
    problems_->setWordWrap(true);
    problems_->setTextFormat(Qt::PlainText);
    problems_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    list_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list_->setMinimumContentsLength(8);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_, 0, 0);
    layout->addWidget(save_, 0, 1);
    layout->addWidget(problems_, 1, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    problems_->hide();
    list_->addItem(QString());
    connect(list_, &QComboBox::activated, this, [this](int index) {
        if (index <= 0) return;
        const QString name = list_->itemData(index).toString();
        list_->setCurrentIndex(0);
        Q_EMIT picked(name);
    });
    connect(save_, &QPushButton::clicked, this, &RangeLibraryBox::saveRequested);
    retranslate();
}

void RangeLibraryBox::setLibrary(const RangeLibraryFile::Read& read, const QString& fileName) {
    while (list_->count() > 1) list_->removeItem(1);
    for (const NamedRange& named : read.library.ranges()) {
        const QString name = QString::fromStdString(named.name);
        QString about = QString::fromStdString(named.range);
        if (named.explanation)
            about = QString::fromUtf8(phrase(language_, *named.explanation)) + QLatin1Char('\n') +
                    about;
        list_->addItem(QLatin1Char('@') + name, name);
        list_->setItemData(list_->count() - 1, about, Qt::ToolTipRole);
    }
    QStringList problems;
    if (read.unreadable) problems << tr("%1 cannot be read: %2").arg(fileName, *read.unreadable);
    const auto& bad = read.library.problems();
    for (size_t at = 0; at < bad.size() && at < static_cast<size_t>(kProblemsShown); ++at)
        problems << QString::fromStdString(
            libraryProblemText(language_, bad[at], fileName.toStdString()));
    if (bad.size() > static_cast<size_t>(kProblemsShown))
        problems << tr("More lines that do not read: %1")
                        .arg(static_cast<int>(bad.size()) - kProblemsShown);
    problems_->setText(problems.join(QLatin1Char('\n')));
    problems_->setVisible(!problems.isEmpty());
}

void RangeLibraryBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void RangeLibraryBox::retranslate() {
    list_->setItemText(0, tr("Named ranges"));
    list_->setToolTip(tr("Pick a range from your library; the range box then reads @name"));
    save_->setText(tr("Save as\u2026"));
    save_->setToolTip(tr("Save this range in your library under a name"));
}

}  // namespace korvana::ui
