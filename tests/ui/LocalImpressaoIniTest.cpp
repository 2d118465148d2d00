// Where IMPRESSAO.INI is read and saved, for every combination of a file next to the program (none,
// writable, read-only), its folder (writable or not) and an earlier copy in the configuration folder:
// the calibrations are always read, and a save always lands somewhere it can be read back.
#include "ui/LocalImpressaoIni.h"
#include "ui/ArquivoIni.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

enum class TArquivoPrograma { Nenhum, Gravavel, SoLeitura };

struct TCasoLocal {
    const char* Nome;
    TArquivoPrograma Arquivo;
    bool PastaGravavel;
    bool CopiaNaConfiguracao;
    bool LeDaConfiguracao;
    bool GravaNaConfiguracao;
};

void PrintTo(const TCasoLocal& Caso, std::ostream* Saida) {
    *Saida << Caso.Nome;
}

const QString SecaoPrograma = u"Mega-Sena_Modelo-0_A4-Sim_Guia-Nao"_s;
const QString SecaoConfiguracao = u"Quina_Modelo-0_A4-Sim_Guia-Nao"_s;
const QString SecaoNova = u"Lotofácil_Modelo-1_A4-Nao_Guia-Nao"_s;

bool GravaIni(const QString& Caminho, const QString& Secao) {
    QFile Arquivo(Caminho);
    const QByteArray Conteudo = QString(u"["_s + Secao + u"]\nEsquerda=1,5\n"_s).toUtf8();
    return Arquivo.open(QIODevice::WriteOnly) && Arquivo.write(Conteudo) == Conteudo.size();
}

// Makes files and folders read-only for whoever runs the test: root ignores permissions, so for root
// they become read-only mounts (a bind mount of the file or folder onto itself, remounted read-only).
class TSoLeitura {
public:
    ~TSoLeitura() {
        for (auto Ponto = FPontos.rbegin(); Ponto != FPontos.rend(); ++Ponto)
            ::umount2(Ponto->constData(), MNT_DETACH);
    }
    // Caminho becomes read-only; Origem is where its writable content lies (itself unless a
    // writable file is mounted back into a read-only folder).
    bool Aplica(const QString& Caminho, bool Gravavel, const QString& Origem = {}) {
        const QByteArray Ponto = QFile::encodeName(Caminho);
        const QByteArray De = QFile::encodeName(Origem.isEmpty() ? Caminho : Origem);
        if (::geteuid() != 0)
            return Gravavel || ::chmod(Ponto.constData(), QFileInfo(Caminho).isDir() ? 0555 : 0444) == 0;
        if (::mount(De.constData(), Ponto.constData(), nullptr, MS_BIND, nullptr) != 0)
            return false;
        FPontos.push_back(Ponto);
        return Gravavel ||
               ::mount(nullptr, Ponto.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    }

private:
    std::vector<QByteArray> FPontos;
};

class LocalImpressaoIniTest : public testing::TestWithParam<TCasoLocal> {};

TEST_P(LocalImpressaoIniTest, LeOndeEstaEGravaOndeDa) {
    const TCasoLocal& Caso = GetParam();
    QTemporaryDir Raiz;
    ASSERT_TRUE(Raiz.isValid());
    // The program folder's content lies in "origem"; "programa" shows it, read-only when asked.
    const QString Origem = Raiz.filePath(u"origem"_s);
    const QString Programa = Raiz.filePath(u"programa"_s);
    const QString Configuracao = Raiz.filePath(u"config"_s);
    ASSERT_TRUE(QDir().mkpath(Origem) && QDir().mkpath(Programa) && QDir().mkpath(Configuracao));
    const QString NoPrograma = QDir(Programa).filePath(TLocalImpressaoIni::NomeArquivo);
    const QString NaConfiguracao = QDir(Configuracao).filePath(TLocalImpressaoIni::NomeArquivo);
    const QString NaOrigem = QDir(Origem).filePath(TLocalImpressaoIni::NomeArquivo);
    if (Caso.Arquivo != TArquivoPrograma::Nenhum) {
        ASSERT_TRUE(GravaIni(NaOrigem, SecaoPrograma));
    }
    if (Caso.CopiaNaConfiguracao) {
        ASSERT_TRUE(GravaIni(NaConfiguracao, SecaoConfiguracao));
    }

    TSoLeitura SoLeitura;
    if (::geteuid() == 0) {
        ASSERT_TRUE(SoLeitura.Aplica(Programa, Caso.PastaGravavel, Origem)) << "bind mounts need root";
        if (Caso.Arquivo != TArquivoPrograma::Nenhum && !Caso.PastaGravavel) {
            ASSERT_TRUE(SoLeitura.Aplica(NoPrograma, Caso.Arquivo == TArquivoPrograma::Gravavel, NaOrigem));
        } else if (Caso.Arquivo == TArquivoPrograma::SoLeitura) {
            ASSERT_TRUE(SoLeitura.Aplica(NoPrograma, false));
        }
    } else {
        QDir().rmdir(Programa);
        ASSERT_TRUE(QFile::rename(Origem, Programa));
        if (Caso.Arquivo == TArquivoPrograma::SoLeitura) {
            ASSERT_TRUE(SoLeitura.Aplica(NoPrograma, false));
        }
        ASSERT_TRUE(SoLeitura.Aplica(Programa, Caso.PastaGravavel));
    }

    const TLocalImpressaoIni Local(Programa, Configuracao);
    EXPECT_EQ(Local.CaminhoLeitura(), Caso.LeDaConfiguracao ? NaConfiguracao : NoPrograma);
    EXPECT_EQ(Local.CaminhoGravacao(), Caso.GravaNaConfiguracao ? NaConfiguracao : NoPrograma);

    // A save as the print manager makes it: what was read, plus the new calibration.
    std::optional<TArquivoIni> Arquivo = TArquivoIni::Le(Local.CaminhoLeitura());
    EXPECT_EQ(Arquivo.has_value(), Caso.Arquivo != TArquivoPrograma::Nenhum || Caso.LeDaConfiguracao);
    if (!Arquivo)
        Arquivo.emplace();
    Arquivo->DefineValor(SecaoNova, u"Topo"_s, u"-2"_s);
    QString Erro;
    ASSERT_TRUE(Arquivo->Grava(Local.CaminhoGravacao(), Erro)) << Erro.toStdString();

    const std::optional<TArquivoIni> Relido = TArquivoIni::Le(Local.CaminhoLeitura());
    ASSERT_TRUE(Relido);
    EXPECT_EQ(Relido->Valor(SecaoNova, u"Topo"_s), u"-2"_s);
    const bool TinhaPrograma = Caso.Arquivo != TArquivoPrograma::Nenhum;
    if (Caso.LeDaConfiguracao || (!TinhaPrograma && Caso.CopiaNaConfiguracao)) {
        EXPECT_EQ(Relido->Valor(SecaoConfiguracao, u"Esquerda"_s), u"1,5"_s);
    } else if (TinhaPrograma) {
        EXPECT_EQ(Relido->Valor(SecaoPrograma, u"Esquerda"_s), u"1,5"_s) << "the calibrations were lost";
    }
}

constexpr auto Nenhum = TArquivoPrograma::Nenhum;
constexpr auto Gravavel = TArquivoPrograma::Gravavel;
constexpr auto SoLeitura = TArquivoPrograma::SoLeitura;

INSTANTIATE_TEST_SUITE_P(
    Combinacoes, LocalImpressaoIniTest,
    testing::Values(
        // name, file next to the program, its folder writable, copy in the configuration folder,
        // read from the configuration folder, saved there
        TCasoLocal{"SemArquivos", Nenhum, true, false, false, false},
        TCasoLocal{"SemArquivosPastaSoLeitura", Nenhum, false, false, false, true},
        TCasoLocal{"ArquivoGravavel", Gravavel, true, false, false, false},
        TCasoLocal{"ArquivoSoLeitura", SoLeitura, true, false, false, true},
        TCasoLocal{"ArquivoGravavelPastaSoLeitura", Gravavel, false, false, false, true},
        TCasoLocal{"ArquivoEPastaSoLeitura", SoLeitura, false, false, false, true},
        TCasoLocal{"SoCopiaNaConfiguracao", Nenhum, true, true, true, false},
        TCasoLocal{"SoCopiaNaConfiguracaoPastaSoLeitura", Nenhum, false, true, true, true},
        TCasoLocal{"ArquivoGravavelECopia", Gravavel, true, true, false, false},
        TCasoLocal{"ArquivoSoLeituraECopia", SoLeitura, true, true, true, true},
        TCasoLocal{"ArquivoGravavelPastaSoLeituraECopia", Gravavel, false, true, true, true},
        TCasoLocal{"ArquivoEPastaSoLeituraECopia", SoLeitura, false, true, true, true}),
    [](const testing::TestParamInfo<TCasoLocal>& Info) { return std::string(Info.param.Nome); });

} // namespace
