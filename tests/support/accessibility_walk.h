#pragma once
// What a screen reader finds in a window: Qt's accessibility tree, walked from the window down.

#include <QAccessible>
#include <QAccessibleInterface>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <ostream>

// Readable failure messages for lists of names.
inline void PrintTo(const QStringList& names, std::ostream* out) {
    *out << '"' << names.join(QStringLiteral("\", \"")).toStdString() << '"';
}

namespace kemora::testing_support {

// Where an interface sits, for failure messages: its object's name, or its role among its
// parent's children.
inline QString AccessiblePath(QAccessibleInterface& node, const QString& parentPath, int index) {
    const QObject* object = node.object();
    const QString name = object != nullptr ? object->objectName() : QString();
    if (!name.isEmpty())
        return name;
    return parentPath + '/' + QString::number(index) + ':' + QString::number(node.role());
}

inline void CollectUnnamed(QAccessibleInterface& node, const QString& path, QStringList& unnamed) {
    for (int i = 0; i < node.childCount(); ++i) {
        QAccessibleInterface* child = node.child(i);
        if (child == nullptr || child->state().invisible)
            continue;
        const QString childPath = AccessiblePath(*child, path, i);
        if (child->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << childPath;
        CollectUnnamed(*child, childPath, unnamed);
    }
}

// Every visible node below `window` that has no name, the window itself included.
inline QStringList UnnamedControls(QWidget& window) {
    QStringList unnamed;
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
    if (root == nullptr)
        return {QStringLiteral("no accessibility interface")};
    if (root->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << window.objectName();
    CollectUnnamed(*root, window.objectName(), unnamed);
    return unnamed;
}

}  // namespace kemora::testing_support
