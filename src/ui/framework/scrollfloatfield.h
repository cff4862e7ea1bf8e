#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class QScrollBar;

namespace kelvora {

// A float field coupled with a scroll bar: the bar moves in steps of the value times
// `scale`; moving it writes the field, and a typed value within the range moves the bar.
class ScrollFloatField : public QObject {
  Q_OBJECT

 public:
  struct Range {
    float min = 0.0f;
    float max = 1.0f;
    float lineStep = 0.05f;
    float pageStep = 0.2f;
    float scale = 100.0f;
  };

  ScrollFloatField(QScrollBar& bar, QLineEdit& field, const Range& range, float initial, QString format);

  // The value the bar stands at.
  float Value() const;

 private:
  void BarMoved(int position);
  void FieldEdited(const QString& text);

  QScrollBar& bar;
  QLineEdit& field;
  float scale;
  QString format;
};

}  // namespace kelvora
