#pragma once
// Builds small compiled help files for the tests with the same compiler the
// build uses for the program's help, and finds the program's own help file.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <map>
#include <string>

namespace quorvant::testing {

class ChmFixture {
public:
    // files: project-relative path -> contents. The project lists them all,
    // names default.htm the default topic and maps 10000 to ctx.htm (when
    // present) in a sub folder so the compiler records a folder path.
    std::string Build(const std::map<std::string, std::string>& files, const std::string& defaultTopic)
    {
        QString list;
        for (const auto& [name, text] : files) {
            Write(name, text);
            list += QString::fromStdString(name) + "\n";
        }
        QString project = "[OPTIONS]\nCompatibility=1.1 or later\nCompiled file=test.chm\n"
                          "Display compile progress=No\nLanguage=0x409 English (United States)\n"
                          "Title=Fixture Help\n";
        if (!defaultTopic.empty())
            project += "Default topic=" + QString::fromStdString(defaultTopic) + "\n";
        if (files.count("toc.hhc"))
            project += "Contents file=toc.hhc\n";
        if (files.count("keys.hhk"))
            project += "Index file=keys.hhk\n";
        project += "\n[FILES]\n" + list;
        if (files.count("pages/ctx.htm"))
            project += "\n[ALIAS]\nIDH_CTX=pages/ctx.htm\n\n[MAP]\n#define IDH_CTX 10000\n";
        Write("test.hhp", project.toStdString());
        QProcess compiler;
        compiler.setWorkingDirectory(dir_.path());
        compiler.start("chmcmd", {"--no-html-scan", "test.hhp"});
        compiler.waitForFinished(60000);
        return dir_.filePath("test.chm").toStdString();
    }

    std::string Path(const std::string& name) const
    {
        return dir_.filePath(QString::fromStdString(name)).toStdString();
    }

    void Write(const std::string& name, const std::string& text)
    {
        const QString path = dir_.filePath(QString::fromStdString(name));
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(text.data(), static_cast<qint64>(text.size()));
    }

    // The help file the build compiles beside the program.
    static std::string ProgramHelpFile()
    {
        return QDir(QCoreApplication::applicationDirPath())
            .filePath("../src/app/quorvantcalc.chm")
            .toStdString();
    }

private:
    QTemporaryDir dir_;
};

inline std::string Page(const std::string& title, const std::string& body)
{
    return "<html><head><title>" + title + "</title></head><body>" + body + "</body></html>";
}

} // namespace quorvant::testing
