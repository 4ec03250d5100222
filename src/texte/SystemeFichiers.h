#pragma once
// The operating system's files, behind a small interface so that tests can put a
// fault-injecting layer in its place. Every operation returns 0 on success or a result
// code in the classic numbering: 2 file not found, 3 path not found, 4 too many open
// files, 5 access denied, 100 read error, 101 write error (disk full included),
// 103 file not open.

#include <cstddef>
#include <cstdint>
#include <string>

namespace talix {

enum CodeES : int {
    ES_OK = 0,
    ES_FICHIER_INTROUVABLE = 2,
    ES_CHEMIN_INTROUVABLE = 3,
    ES_TROP_DE_FICHIERS = 4,
    ES_ACCES_REFUSE = 5,
    ES_FICHIER_EXISTE = 80,
    ES_LECTURE = 100,
    ES_ECRITURE = 101,
    ES_FICHIER_NON_OUVERT = 103,
    ES_FICHIER_NON_OUVERT_LECTURE = 104,
    ES_FICHIER_NON_OUVERT_ECRITURE = 105,
};

enum class ModeOuverture {
    Lecture,           // read only; the file must exist
    CreationEcriture,  // write only; created, or truncated if it exists
    CreationExclusive, // write only; created, and a failure (80) if it exists
};

class SystemeFichiers {
public:
    virtual ~SystemeFichiers() = default;

    virtual int Ouvrir(const std::string& chemin, ModeOuverture mode, int& descripteur) = 0;
    // Reads up to `taille` bytes at byte `position`; `lus` receives how many came (0 at
    // the end of the file).
    virtual int Lire(int descripteur, std::int64_t position, char* tampon, std::size_t taille,
                     std::size_t& lus) = 0;
    // Writes all `taille` bytes at the end of what was written, or fails.
    virtual int Ecrire(int descripteur, const char* donnees, std::size_t taille) = 0;
    // Makes what was written durable on the disk.
    virtual int Vider(int descripteur) = 0;
    virtual int Fermer(int descripteur) = 0;
    // Renames `de` to `vers`; fails (80) without touching either when `vers` exists.
    virtual int RenommerSansRemplacer(const std::string& de, const std::string& vers) = 0;
    virtual int Supprimer(const std::string& chemin) = 0;
    virtual int CreerRepertoire(const std::string& chemin) = 0;
    // True when something (a file, a directory, ...) exists at `chemin`.
    virtual bool Existe(const std::string& chemin) = 0;
    // True when the attribute query on `chemin` succeeds and reports a directory.
    virtual bool EstRepertoire(const std::string& chemin) = 0;
    // The full path of the running program file.
    virtual std::string CheminProgramme() = 0;
};

// The real files of this machine (POSIX). Holds no state.
class SystemePosix final : public SystemeFichiers {
public:
    int Ouvrir(const std::string& chemin, ModeOuverture mode, int& descripteur) override;
    int Lire(int descripteur, std::int64_t position, char* tampon, std::size_t taille,
             std::size_t& lus) override;
    int Ecrire(int descripteur, const char* donnees, std::size_t taille) override;
    int Vider(int descripteur) override;
    int Fermer(int descripteur) override;
    int RenommerSansRemplacer(const std::string& de, const std::string& vers) override;
    int Supprimer(const std::string& chemin) override;
    int CreerRepertoire(const std::string& chemin) override;
    bool Existe(const std::string& chemin) override;
    bool EstRepertoire(const std::string& chemin) override;
    std::string CheminProgramme() override;
};

// The directory part of a path, up to and including its last "/"; empty when it has none.
std::string RepertoireDe(const std::string& chemin);

} // namespace talix
