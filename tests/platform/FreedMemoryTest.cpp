#include "platform/FreedMemory.h"

#include <QFile>
#include <QObject>
#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <link.h>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace {

// The base address of the loaded object whose path contains `name`.
quintptr baseOf(const char* name)
{
    struct Search {
        const char* name;
        quintptr base = 0;
    } search { name };
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            auto* s = static_cast<Search*>(data);
            if (info->dlpi_name && std::strstr(info->dlpi_name, s->name))
                s->base = info->dlpi_addr;
            return 0;
        },
        &search);
    return search.base;
}

// Resident kB of the mapping that starts at `address`, from the kernel's own account.
int residentAt(quintptr address)
{
    QFile f(QStringLiteral("/proc/self/smaps"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression header(QStringLiteral("^([0-9a-f]+)-[0-9a-f]+ "));
    bool inside = false;
    for (const QByteArray& line : f.readAll().split('\n')) {
        const QRegularExpressionMatch m = header.match(QString::fromLatin1(line));
        if (m.hasMatch())
            inside = m.captured(1).toULongLong(nullptr, 16) == address;
        else if (inside && line.startsWith("Rss:"))
            return line.mid(4).trimmed().split(' ').value(0).toInt();
    }
    return -1;
}

struct Gadget : QObject {
    virtual int answer() const { return 42; }
};

}

// Qt's libraries are bound in full when they load, so their linking tables
// are resident after start; releasing drops them, and everything that was
// relocated keeps working, as does loading and binding another library.
TEST(FreedMemory, LinkingTablesGoBackAndTheProgramStillLinks)
{
    const quintptr core = baseOf("libQt6Core");
    ASSERT_NE(core, 0u);
    const int before = residentAt(core);
    ASSERT_GT(before, 64) << "the tables of Qt Core were never read?";

    FreedMemory::release();

    EXPECT_LT(residentAt(core), before / 4);
    // Relocated data (vtables, the meta-object tables, exception tables) is untouched.
    std::unique_ptr<QObject> gadget = std::make_unique<Gadget>();
    EXPECT_EQ(static_cast<Gadget*>(gadget.get())->answer(), 42);
    gadget->setObjectName(QStringLiteral("still named"));
    EXPECT_EQ(gadget->property("objectName").toString(), QStringLiteral("still named"));
    EXPECT_THROW(throw std::runtime_error("caught"), std::runtime_error);
    // A library loaded now binds against the tables read again.
    void* util = dlopen("libutil.so.1", RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(util, nullptr) << dlerror();
    EXPECT_NE(dlsym(util, "openpty"), nullptr);
    EXPECT_NE(dlsym(RTLD_DEFAULT, "qVersion"), nullptr);
    dlclose(util);
}
