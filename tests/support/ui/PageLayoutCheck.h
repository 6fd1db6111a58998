#pragma once
// The layout check of the screens tests: every visible control of a page
// lies inside it, no label, check box or button text is cut off, and no two
// edit fields overlap. A failure is recorded on the running Qt test.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "widgets/CNEdit.h"

namespace vantor::test {

inline void CheckInsidePage(QWidget* page) {
    const QRect area = page->rect();
    QList<QRect> fields;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(page) || w->isWindow()) continue;
        const QRect r(w->mapTo(page, QPoint(0, 0)), w->size());
        QVERIFY2(area.contains(r), qPrintable(w->metaObject()->className() + QString(" ") +
                                              w->objectName() + QString(" outside the page")));
        if (auto* label = qobject_cast<QLabel*>(w))
            QVERIFY2(label->sizeHint().width() <= label->width() + 1,
                     qPrintable("label cut off: " + label->text()));
        if (auto* box = qobject_cast<QCheckBox*>(w))
            QVERIFY2(box->sizeHint().width() <= box->width() + 1,
                     qPrintable("check box text cut off: " + box->text()));
        if (auto* button = qobject_cast<QPushButton*>(w))
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) + 8 <= button->width(),
                     qPrintable("button text cut off: " + button->text()));
        if (qobject_cast<CNEdit*>(w)) {
            QVERIFY2(r.height() >= w->minimumSizeHint().height(), "field squeezed");
            for (const QRect& other : fields)
                QVERIFY2(!other.intersects(r), "fields overlap");
            fields << r;
        }
    }
}

}  // namespace vantor::test
