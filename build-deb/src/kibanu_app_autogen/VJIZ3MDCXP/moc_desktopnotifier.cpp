/****************************************************************************
** Meta object code from reading C++ file 'desktopnotifier.h'
**
** Created by: The Qt Meta Object Compiler version 68 (Qt 6.4.2)
**
** WARNING! All changes made in this file will be lost!
*****************************************************************************/

#include <memory>
#include "../../../../src/app/desktopnotifier.h"
#include <QtCore/qmetatype.h>
#if !defined(Q_MOC_OUTPUT_REVISION)
#error "The header file 'desktopnotifier.h' doesn't include <QObject>."
#elif Q_MOC_OUTPUT_REVISION != 68
#error "This file was generated using the moc from 6.4.2. It"
#error "cannot be used with the include files from this version of Qt."
#error "(The moc has changed too much.)"
#endif

#ifndef Q_CONSTINIT
#define Q_CONSTINIT
#endif

QT_BEGIN_MOC_NAMESPACE
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
namespace {
struct qt_meta_stringdata_DesktopNotifier_t {
    uint offsetsAndSizes[24];
    char stringdata0[16];
    char stringdata1[12];
    char stringdata2[1];
    char stringdata3[24];
    char stringdata4[13];
    char stringdata5[16];
    char stringdata6[14];
    char stringdata7[16];
    char stringdata8[3];
    char stringdata9[7];
    char stringdata10[9];
    char stringdata11[7];
};
#define QT_MOC_LITERAL(ofs, len) \
    uint(sizeof(qt_meta_stringdata_DesktopNotifier_t::offsetsAndSizes) + ofs), len 
Q_CONSTINIT static const qt_meta_stringdata_DesktopNotifier_t qt_meta_stringdata_DesktopNotifier = {
    {
        QT_MOC_LITERAL(0, 15),  // "DesktopNotifier"
        QT_MOC_LITERAL(16, 11),  // "unavailable"
        QT_MOC_LITERAL(28, 0),  // ""
        QT_MOC_LITERAL(29, 23),  // "Reminders::Announcement"
        QT_MOC_LITERAL(53, 12),  // "announcement"
        QT_MOC_LITERAL(66, 15),  // "snoozeRequested"
        QT_MOC_LITERAL(82, 13),  // "openRequested"
        QT_MOC_LITERAL(96, 15),  // "onActionInvoked"
        QT_MOC_LITERAL(112, 2),  // "id"
        QT_MOC_LITERAL(115, 6),  // "action"
        QT_MOC_LITERAL(122, 8),  // "onClosed"
        QT_MOC_LITERAL(131, 6)   // "reason"
    },
    "DesktopNotifier",
    "unavailable",
    "",
    "Reminders::Announcement",
    "announcement",
    "snoozeRequested",
    "openRequested",
    "onActionInvoked",
    "id",
    "action",
    "onClosed",
    "reason"
};
#undef QT_MOC_LITERAL
} // unnamed namespace

Q_CONSTINIT static const uint qt_meta_data_DesktopNotifier[] = {

 // content:
      10,       // revision
       0,       // classname
       0,    0, // classinfo
       5,   14, // methods
       0,    0, // properties
       0,    0, // enums/sets
       0,    0, // constructors
       0,       // flags
       3,       // signalCount

 // signals: name, argc, parameters, tag, flags, initial metatype offsets
       1,    1,   44,    2, 0x06,    1 /* Public */,
       5,    1,   47,    2, 0x06,    3 /* Public */,
       6,    1,   50,    2, 0x06,    5 /* Public */,

 // slots: name, argc, parameters, tag, flags, initial metatype offsets
       7,    2,   53,    2, 0x08,    7 /* Private */,
      10,    2,   58,    2, 0x08,   10 /* Private */,

 // signals: parameters
    QMetaType::Void, 0x80000000 | 3,    4,
    QMetaType::Void, 0x80000000 | 3,    4,
    QMetaType::Void, 0x80000000 | 3,    4,

 // slots: parameters
    QMetaType::Void, QMetaType::UInt, QMetaType::QString,    8,    9,
    QMetaType::Void, QMetaType::UInt, QMetaType::UInt,    8,   11,

       0        // eod
};

Q_CONSTINIT const QMetaObject DesktopNotifier::staticMetaObject = { {
    QMetaObject::SuperData::link<QObject::staticMetaObject>(),
    qt_meta_stringdata_DesktopNotifier.offsetsAndSizes,
    qt_meta_data_DesktopNotifier,
    qt_static_metacall,
    nullptr,
    qt_incomplete_metaTypeArray<qt_meta_stringdata_DesktopNotifier_t,
        // Q_OBJECT / Q_GADGET
        QtPrivate::TypeAndForceComplete<DesktopNotifier, std::true_type>,
        // method 'unavailable'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<const Reminders::Announcement &, std::false_type>,
        // method 'snoozeRequested'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<const Reminders::Announcement &, std::false_type>,
        // method 'openRequested'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<const Reminders::Announcement &, std::false_type>,
        // method 'onActionInvoked'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<uint, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        // method 'onClosed'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<uint, std::false_type>,
        QtPrivate::TypeAndForceComplete<uint, std::false_type>
    >,
    nullptr
} };

void DesktopNotifier::qt_static_metacall(QObject *_o, QMetaObject::Call _c, int _id, void **_a)
{
    if (_c == QMetaObject::InvokeMetaMethod) {
        auto *_t = static_cast<DesktopNotifier *>(_o);
        (void)_t;
        switch (_id) {
        case 0: _t->unavailable((*reinterpret_cast< std::add_pointer_t<Reminders::Announcement>>(_a[1]))); break;
        case 1: _t->snoozeRequested((*reinterpret_cast< std::add_pointer_t<Reminders::Announcement>>(_a[1]))); break;
        case 2: _t->openRequested((*reinterpret_cast< std::add_pointer_t<Reminders::Announcement>>(_a[1]))); break;
        case 3: _t->onActionInvoked((*reinterpret_cast< std::add_pointer_t<uint>>(_a[1])),(*reinterpret_cast< std::add_pointer_t<QString>>(_a[2]))); break;
        case 4: _t->onClosed((*reinterpret_cast< std::add_pointer_t<uint>>(_a[1])),(*reinterpret_cast< std::add_pointer_t<uint>>(_a[2]))); break;
        default: ;
        }
    } else if (_c == QMetaObject::IndexOfMethod) {
        int *result = reinterpret_cast<int *>(_a[0]);
        {
            using _t = void (DesktopNotifier::*)(const Reminders::Announcement & );
            if (_t _q_method = &DesktopNotifier::unavailable; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 0;
                return;
            }
        }
        {
            using _t = void (DesktopNotifier::*)(const Reminders::Announcement & );
            if (_t _q_method = &DesktopNotifier::snoozeRequested; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 1;
                return;
            }
        }
        {
            using _t = void (DesktopNotifier::*)(const Reminders::Announcement & );
            if (_t _q_method = &DesktopNotifier::openRequested; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 2;
                return;
            }
        }
    }
}

const QMetaObject *DesktopNotifier::metaObject() const
{
    return QObject::d_ptr->metaObject ? QObject::d_ptr->dynamicMetaObject() : &staticMetaObject;
}

void *DesktopNotifier::qt_metacast(const char *_clname)
{
    if (!_clname) return nullptr;
    if (!strcmp(_clname, qt_meta_stringdata_DesktopNotifier.stringdata0))
        return static_cast<void*>(this);
    return QObject::qt_metacast(_clname);
}

int DesktopNotifier::qt_metacall(QMetaObject::Call _c, int _id, void **_a)
{
    _id = QObject::qt_metacall(_c, _id, _a);
    if (_id < 0)
        return _id;
    if (_c == QMetaObject::InvokeMetaMethod) {
        if (_id < 5)
            qt_static_metacall(this, _c, _id, _a);
        _id -= 5;
    } else if (_c == QMetaObject::RegisterMethodArgumentMetaType) {
        if (_id < 5)
            *reinterpret_cast<QMetaType *>(_a[0]) = QMetaType();
        _id -= 5;
    }
    return _id;
}

// SIGNAL 0
void DesktopNotifier::unavailable(const Reminders::Announcement & _t1)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))) };
    QMetaObject::activate(this, &staticMetaObject, 0, _a);
}

// SIGNAL 1
void DesktopNotifier::snoozeRequested(const Reminders::Announcement & _t1)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))) };
    QMetaObject::activate(this, &staticMetaObject, 1, _a);
}

// SIGNAL 2
void DesktopNotifier::openRequested(const Reminders::Announcement & _t1)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))) };
    QMetaObject::activate(this, &staticMetaObject, 2, _a);
}
QT_WARNING_POP
QT_END_MOC_NAMESPACE
