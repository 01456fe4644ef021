/****************************************************************************
** Meta object code from reading C++ file 'frmtodo.h'
**
** Created by: The Qt Meta Object Compiler version 68 (Qt 6.4.2)
**
** WARNING! All changes made in this file will be lost!
*****************************************************************************/

#include <memory>
#include "../../../../src/board/frmtodo.h"
#include <QtCore/qmetatype.h>
#if !defined(Q_MOC_OUTPUT_REVISION)
#error "The header file 'frmtodo.h' doesn't include <QObject>."
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
struct qt_meta_stringdata_frmTodo_t {
    uint offsetsAndSizes[64];
    char stringdata0[8];
    char stringdata1[24];
    char stringdata2[1];
    char stringdata3[5];
    char stringdata4[19];
    char stringdata5[20];
    char stringdata6[21];
    char stringdata7[14];
    char stringdata8[21];
    char stringdata9[5];
    char stringdata10[5];
    char stringdata11[5];
    char stringdata12[5];
    char stringdata13[6];
    char stringdata14[18];
    char stringdata15[6];
    char stringdata16[5];
    char stringdata17[8];
    char stringdata18[5];
    char stringdata19[14];
    char stringdata20[27];
    char stringdata21[18];
    char stringdata22[9];
    char stringdata23[5];
    char stringdata24[18];
    char stringdata25[15];
    char stringdata26[22];
    char stringdata27[17];
    char stringdata28[22];
    char stringdata29[21];
    char stringdata30[12];
    char stringdata31[5];
};
#define QT_MOC_LITERAL(ofs, len) \
    uint(sizeof(qt_meta_stringdata_frmTodo_t::offsetsAndSizes) + ofs), len 
Q_CONSTINIT static const qt_meta_stringdata_frmTodo_t qt_meta_stringdata_frmTodo = {
    {
        QT_MOC_LITERAL(0, 7),  // "frmTodo"
        QT_MOC_LITERAL(8, 23),  // "scheduleWindowRequested"
        QT_MOC_LITERAL(32, 0),  // ""
        QT_MOC_LITERAL(33, 4),  // "icon"
        QT_MOC_LITERAL(38, 18),  // "telWindowRequested"
        QT_MOC_LITERAL(57, 19),  // "doneWindowRequested"
        QT_MOC_LITERAL(77, 20),  // "trashWindowRequested"
        QT_MOC_LITERAL(98, 13),  // "helpRequested"
        QT_MOC_LITERAL(112, 20),  // "scheduleEntryOffered"
        QT_MOC_LITERAL(133, 4),  // "slot"
        QT_MOC_LITERAL(138, 4),  // "text"
        QT_MOC_LITERAL(143, 4),  // "date"
        QT_MOC_LITERAL(148, 4),  // "time"
        QT_MOC_LITERAL(153, 5),  // "event"
        QT_MOC_LITERAL(159, 17),  // "phoneEntryOffered"
        QT_MOC_LITERAL(177, 5),  // "index"
        QT_MOC_LITERAL(183, 4),  // "name"
        QT_MOC_LITERAL(188, 7),  // "numbers"
        QT_MOC_LITERAL(196, 4),  // "keys"
        QT_MOC_LITERAL(201, 13),  // "quitRequested"
        QT_MOC_LITERAL(215, 26),  // "quitWithoutSavingRequested"
        QT_MOC_LITERAL(242, 17),  // "editFileRequested"
        QT_MOC_LITERAL(260, 8),  // "DataFile"
        QT_MOC_LITERAL(269, 4),  // "file"
        QT_MOC_LITERAL(274, 17),  // "typeEditRequested"
        QT_MOC_LITERAL(292, 14),  // "aboutRequested"
        QT_MOC_LITERAL(307, 21),  // "backupFolderRequested"
        QT_MOC_LITERAL(329, 16),  // "remindersChanged"
        QT_MOC_LITERAL(346, 21),  // "syncSettingsRequested"
        QT_MOC_LITERAL(368, 20),  // "interchangeRequested"
        QT_MOC_LITERAL(389, 11),  // "Interchange"
        QT_MOC_LITERAL(401, 4)   // "what"
    },
    "frmTodo",
    "scheduleWindowRequested",
    "",
    "icon",
    "telWindowRequested",
    "doneWindowRequested",
    "trashWindowRequested",
    "helpRequested",
    "scheduleEntryOffered",
    "slot",
    "text",
    "date",
    "time",
    "event",
    "phoneEntryOffered",
    "index",
    "name",
    "numbers",
    "keys",
    "quitRequested",
    "quitWithoutSavingRequested",
    "editFileRequested",
    "DataFile",
    "file",
    "typeEditRequested",
    "aboutRequested",
    "backupFolderRequested",
    "remindersChanged",
    "syncSettingsRequested",
    "interchangeRequested",
    "Interchange",
    "what"
};
#undef QT_MOC_LITERAL
} // unnamed namespace

Q_CONSTINIT static const uint qt_meta_data_frmTodo[] = {

 // content:
      10,       // revision
       0,       // classname
       0,    0, // classinfo
      16,   14, // methods
       0,    0, // properties
       0,    0, // enums/sets
       0,    0, // constructors
       0,       // flags
      16,       // signalCount

 // signals: name, argc, parameters, tag, flags, initial metatype offsets
       1,    1,  110,    2, 0x06,    1 /* Public */,
       4,    0,  113,    2, 0x06,    3 /* Public */,
       5,    0,  114,    2, 0x06,    4 /* Public */,
       6,    0,  115,    2, 0x06,    5 /* Public */,
       7,    0,  116,    2, 0x06,    6 /* Public */,
       8,    5,  117,    2, 0x06,    7 /* Public */,
      14,    6,  128,    2, 0x06,   13 /* Public */,
      19,    0,  141,    2, 0x06,   20 /* Public */,
      20,    0,  142,    2, 0x06,   21 /* Public */,
      21,    1,  143,    2, 0x06,   22 /* Public */,
      24,    0,  146,    2, 0x06,   24 /* Public */,
      25,    0,  147,    2, 0x06,   25 /* Public */,
      26,    0,  148,    2, 0x06,   26 /* Public */,
      27,    0,  149,    2, 0x06,   27 /* Public */,
      28,    0,  150,    2, 0x06,   28 /* Public */,
      29,    1,  151,    2, 0x06,   29 /* Public */,

 // signals: parameters
    QMetaType::Void, QMetaType::QIcon,    3,
    QMetaType::Void,
    QMetaType::Void,
    QMetaType::Void,
    QMetaType::Void,
    QMetaType::Void, QMetaType::Int, QMetaType::QString, QMetaType::QString, QMetaType::QString, QMetaType::QString,    9,   10,   11,   12,   13,
    QMetaType::Void, QMetaType::Int, QMetaType::QString, QMetaType::QString, QMetaType::QString, QMetaType::QStringList, QMetaType::QString,    9,   10,   15,   16,   17,   18,
    QMetaType::Void,
    QMetaType::Void,
    QMetaType::Void, 0x80000000 | 22,   23,
    QMetaType::Void,
    QMetaType::Void,
    QMetaType::Void,
    QMetaType::Void,
    QMetaType::Void,
    QMetaType::Void, 0x80000000 | 30,   31,

       0        // eod
};

Q_CONSTINIT const QMetaObject frmTodo::staticMetaObject = { {
    QMetaObject::SuperData::link<QMainWindow::staticMetaObject>(),
    qt_meta_stringdata_frmTodo.offsetsAndSizes,
    qt_meta_data_frmTodo,
    qt_static_metacall,
    nullptr,
    qt_incomplete_metaTypeArray<qt_meta_stringdata_frmTodo_t,
        // Q_OBJECT / Q_GADGET
        QtPrivate::TypeAndForceComplete<frmTodo, std::true_type>,
        // method 'scheduleWindowRequested'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QIcon &, std::false_type>,
        // method 'telWindowRequested'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        // method 'doneWindowRequested'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        // method 'trashWindowRequested'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        // method 'helpRequested'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        // method 'scheduleEntryOffered'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<int, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        // method 'phoneEntryOffered'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<int, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QStringList &, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        // method 'quitRequested'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        // method 'quitWithoutSavingRequested'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        // method 'editFileRequested'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<DataFile, std::false_type>,
        // method 'typeEditRequested'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        // method 'aboutRequested'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        // method 'backupFolderRequested'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        // method 'remindersChanged'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        // method 'syncSettingsRequested'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        // method 'interchangeRequested'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<Interchange, std::false_type>
    >,
    nullptr
} };

void frmTodo::qt_static_metacall(QObject *_o, QMetaObject::Call _c, int _id, void **_a)
{
    if (_c == QMetaObject::InvokeMetaMethod) {
        auto *_t = static_cast<frmTodo *>(_o);
        (void)_t;
        switch (_id) {
        case 0: _t->scheduleWindowRequested((*reinterpret_cast< std::add_pointer_t<QIcon>>(_a[1]))); break;
        case 1: _t->telWindowRequested(); break;
        case 2: _t->doneWindowRequested(); break;
        case 3: _t->trashWindowRequested(); break;
        case 4: _t->helpRequested(); break;
        case 5: _t->scheduleEntryOffered((*reinterpret_cast< std::add_pointer_t<int>>(_a[1])),(*reinterpret_cast< std::add_pointer_t<QString>>(_a[2])),(*reinterpret_cast< std::add_pointer_t<QString>>(_a[3])),(*reinterpret_cast< std::add_pointer_t<QString>>(_a[4])),(*reinterpret_cast< std::add_pointer_t<QString>>(_a[5]))); break;
        case 6: _t->phoneEntryOffered((*reinterpret_cast< std::add_pointer_t<int>>(_a[1])),(*reinterpret_cast< std::add_pointer_t<QString>>(_a[2])),(*reinterpret_cast< std::add_pointer_t<QString>>(_a[3])),(*reinterpret_cast< std::add_pointer_t<QString>>(_a[4])),(*reinterpret_cast< std::add_pointer_t<QStringList>>(_a[5])),(*reinterpret_cast< std::add_pointer_t<QString>>(_a[6]))); break;
        case 7: _t->quitRequested(); break;
        case 8: _t->quitWithoutSavingRequested(); break;
        case 9: _t->editFileRequested((*reinterpret_cast< std::add_pointer_t<DataFile>>(_a[1]))); break;
        case 10: _t->typeEditRequested(); break;
        case 11: _t->aboutRequested(); break;
        case 12: _t->backupFolderRequested(); break;
        case 13: _t->remindersChanged(); break;
        case 14: _t->syncSettingsRequested(); break;
        case 15: _t->interchangeRequested((*reinterpret_cast< std::add_pointer_t<Interchange>>(_a[1]))); break;
        default: ;
        }
    } else if (_c == QMetaObject::IndexOfMethod) {
        int *result = reinterpret_cast<int *>(_a[0]);
        {
            using _t = void (frmTodo::*)(const QIcon & );
            if (_t _q_method = &frmTodo::scheduleWindowRequested; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 0;
                return;
            }
        }
        {
            using _t = void (frmTodo::*)();
            if (_t _q_method = &frmTodo::telWindowRequested; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 1;
                return;
            }
        }
        {
            using _t = void (frmTodo::*)();
            if (_t _q_method = &frmTodo::doneWindowRequested; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 2;
                return;
            }
        }
        {
            using _t = void (frmTodo::*)();
            if (_t _q_method = &frmTodo::trashWindowRequested; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 3;
                return;
            }
        }
        {
            using _t = void (frmTodo::*)();
            if (_t _q_method = &frmTodo::helpRequested; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 4;
                return;
            }
        }
        {
            using _t = void (frmTodo::*)(int , const QString & , const QString & , const QString & , const QString & );
            if (_t _q_method = &frmTodo::scheduleEntryOffered; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 5;
                return;
            }
        }
        {
            using _t = void (frmTodo::*)(int , const QString & , const QString & , const QString & , const QStringList & , const QString & );
            if (_t _q_method = &frmTodo::phoneEntryOffered; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 6;
                return;
            }
        }
        {
            using _t = void (frmTodo::*)();
            if (_t _q_method = &frmTodo::quitRequested; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 7;
                return;
            }
        }
        {
            using _t = void (frmTodo::*)();
            if (_t _q_method = &frmTodo::quitWithoutSavingRequested; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 8;
                return;
            }
        }
        {
            using _t = void (frmTodo::*)(DataFile );
            if (_t _q_method = &frmTodo::editFileRequested; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 9;
                return;
            }
        }
        {
            using _t = void (frmTodo::*)();
            if (_t _q_method = &frmTodo::typeEditRequested; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 10;
                return;
            }
        }
        {
            using _t = void (frmTodo::*)();
            if (_t _q_method = &frmTodo::aboutRequested; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 11;
                return;
            }
        }
        {
            using _t = void (frmTodo::*)();
            if (_t _q_method = &frmTodo::backupFolderRequested; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 12;
                return;
            }
        }
        {
            using _t = void (frmTodo::*)();
            if (_t _q_method = &frmTodo::remindersChanged; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 13;
                return;
            }
        }
        {
            using _t = void (frmTodo::*)();
            if (_t _q_method = &frmTodo::syncSettingsRequested; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 14;
                return;
            }
        }
        {
            using _t = void (frmTodo::*)(Interchange );
            if (_t _q_method = &frmTodo::interchangeRequested; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 15;
                return;
            }
        }
    }
}

const QMetaObject *frmTodo::metaObject() const
{
    return QObject::d_ptr->metaObject ? QObject::d_ptr->dynamicMetaObject() : &staticMetaObject;
}

void *frmTodo::qt_metacast(const char *_clname)
{
    if (!_clname) return nullptr;
    if (!strcmp(_clname, qt_meta_stringdata_frmTodo.stringdata0))
        return static_cast<void*>(this);
    return QMainWindow::qt_metacast(_clname);
}

int frmTodo::qt_metacall(QMetaObject::Call _c, int _id, void **_a)
{
    _id = QMainWindow::qt_metacall(_c, _id, _a);
    if (_id < 0)
        return _id;
    if (_c == QMetaObject::InvokeMetaMethod) {
        if (_id < 16)
            qt_static_metacall(this, _c, _id, _a);
        _id -= 16;
    } else if (_c == QMetaObject::RegisterMethodArgumentMetaType) {
        if (_id < 16)
            *reinterpret_cast<QMetaType *>(_a[0]) = QMetaType();
        _id -= 16;
    }
    return _id;
}

// SIGNAL 0
void frmTodo::scheduleWindowRequested(const QIcon & _t1)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))) };
    QMetaObject::activate(this, &staticMetaObject, 0, _a);
}

// SIGNAL 1
void frmTodo::telWindowRequested()
{
    QMetaObject::activate(this, &staticMetaObject, 1, nullptr);
}

// SIGNAL 2
void frmTodo::doneWindowRequested()
{
    QMetaObject::activate(this, &staticMetaObject, 2, nullptr);
}

// SIGNAL 3
void frmTodo::trashWindowRequested()
{
    QMetaObject::activate(this, &staticMetaObject, 3, nullptr);
}

// SIGNAL 4
void frmTodo::helpRequested()
{
    QMetaObject::activate(this, &staticMetaObject, 4, nullptr);
}

// SIGNAL 5
void frmTodo::scheduleEntryOffered(int _t1, const QString & _t2, const QString & _t3, const QString & _t4, const QString & _t5)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))), const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t2))), const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t3))), const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t4))), const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t5))) };
    QMetaObject::activate(this, &staticMetaObject, 5, _a);
}

// SIGNAL 6
void frmTodo::phoneEntryOffered(int _t1, const QString & _t2, const QString & _t3, const QString & _t4, const QStringList & _t5, const QString & _t6)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))), const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t2))), const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t3))), const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t4))), const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t5))), const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t6))) };
    QMetaObject::activate(this, &staticMetaObject, 6, _a);
}

// SIGNAL 7
void frmTodo::quitRequested()
{
    QMetaObject::activate(this, &staticMetaObject, 7, nullptr);
}

// SIGNAL 8
void frmTodo::quitWithoutSavingRequested()
{
    QMetaObject::activate(this, &staticMetaObject, 8, nullptr);
}

// SIGNAL 9
void frmTodo::editFileRequested(DataFile _t1)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))) };
    QMetaObject::activate(this, &staticMetaObject, 9, _a);
}

// SIGNAL 10
void frmTodo::typeEditRequested()
{
    QMetaObject::activate(this, &staticMetaObject, 10, nullptr);
}

// SIGNAL 11
void frmTodo::aboutRequested()
{
    QMetaObject::activate(this, &staticMetaObject, 11, nullptr);
}

// SIGNAL 12
void frmTodo::backupFolderRequested()
{
    QMetaObject::activate(this, &staticMetaObject, 12, nullptr);
}

// SIGNAL 13
void frmTodo::remindersChanged()
{
    QMetaObject::activate(this, &staticMetaObject, 13, nullptr);
}

// SIGNAL 14
void frmTodo::syncSettingsRequested()
{
    QMetaObject::activate(this, &staticMetaObject, 14, nullptr);
}

// SIGNAL 15
void frmTodo::interchangeRequested(Interchange _t1)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))) };
    QMetaObject::activate(this, &staticMetaObject, 15, _a);
}
QT_WARNING_POP
QT_END_MOC_NAMESPACE
