// "Translation Memory": learn a pair whose source and target texts are the same?
#include "task/same_text_dialog.h"

#include "task/task_dialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tarvelo::gui {

SameTextDialog::SameTextDialog(const QString &sourceText, QWidget *parent) : QDialog(parent) {
  setWindowTitle(tr("Translation Memory"));
  auto *caption = new QLabel(tr("Saving text:"), this);
  auto *text = new QLabel(sourceText, this);
  text->setObjectName(QStringLiteral("savingText"));
  text->setTextFormat(Qt::PlainText);
  text->setWordWrap(true);
  text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  text->setFrameShape(QFrame::StyledPanel);
  text->setMargin(fontMetrics().averageCharWidth() / 2);
  QFont bold = text->font();
  bold.setBold(true);
  text->setFont(bold);
  auto *question = new QLabel(tr("The source and target texts are the same. Do you want to "
                                 "save them to the Translation Memory?"),
                              this);
  question->setWordWrap(true);
  question->setMinimumWidth(fontMetrics().averageCharWidth() * 56);

  auto *icon = new QLabel(this);
  const int extent = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  icon->setPixmap(
      style()->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this).pixmap(extent, extent));
  icon->setAlignment(Qt::AlignTop);

  auto *buttons = new QHBoxLayout;
  buttons->addStretch(1);
  const std::pair<Prompter::Answer, QString> kinds[] = {
      {Prompter::Answer::Yes, tr("&Yes")},
      {Prompter::Answer::No, tr("&No")},
      {Prompter::Answer::YesToAll, tr("Yes to &All")},
      {Prompter::Answer::NoToAll, tr("N&o to All")},
  };
  for (const auto &[answer, label] : kinds) {
    auto *button = new QPushButton(label, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, answer] {
      m_answer = answer;
      accept();
    });
    buttons->addWidget(button);
    m_buttons.append({answer, button});
  }
  m_buttons.constFirst().second->setDefault(true);

  auto *content = new QVBoxLayout;
  content->addWidget(caption);
  content->addWidget(text);
  content->addSpacing(fontMetrics().height() / 2);
  content->addWidget(question);
  auto *top = new QHBoxLayout;
  top->addWidget(icon);
  top->addLayout(content, 1);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addStretch(1);
  layout->addLayout(buttons);
}

QPushButton *SameTextDialog::button(Prompter::Answer answer) const {
  for (const auto &[kind, button] : m_buttons)
    if (kind == answer)
      return button;
  return nullptr;
}

Prompter::Answer execSameTextDialog(QWidget *parent, const QString &sourceText) {
  SameTextDialog dialog(sourceText, parent);
  dialog.exec();
  return dialog.answer();
}

} // namespace tarvelo::gui
