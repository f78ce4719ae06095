#include "spctrl/sp_layout.h"

#include <QLineEdit>
#include <QStyle>
#include <algorithm>

// Each number at two digits or more, drawn as the widest digit.
void FitPeriodEdits(QWidget* period) {
    for (QLineEdit* edit : period->findChildren<QLineEdit*>()) {
        const QString shown = edit->text().isEmpty() ? QStringLiteral("88:88") : edit->text();
        QString sample;
        for (qsizetype i = 0; i < shown.size(); ++i) {
            if (!shown[i].isDigit()) {
                sample += shown[i];
                continue;
            }
            qsizetype end = i;
            while (end < shown.size() && shown[end].isDigit()) ++end;
            sample += QString(std::max<qsizetype>(end - i, 2), QLatin1Char('8'));
            i = end - 1;
        }
        const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(sample) + 2 * frame + 8);
    }
}
