#include "entry/MemoriaGrande.h"

#include <QtGlobal>

#include <cstdint>
#include <cstdlib>
#include <new>

#if defined(Q_OS_LINUX)
#include <sys/mman.h>
#endif

namespace {

#if defined(Q_OS_LINUX)
constexpr std::size_t PaginaGrande = std::size_t(2) << 20;

// An anonymous mapping of whole 2 MB pages starting on a 2 MB boundary, or null.
void* MapeiaAlinhado(std::size_t Bytes) {
    const std::size_t Excesso = Bytes + PaginaGrande;
    void* Mapa = mmap(nullptr, Excesso, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (Mapa == MAP_FAILED)
        return nullptr;
    const auto Inicio = reinterpret_cast<std::uintptr_t>(Mapa);
    const std::uintptr_t Alinhado = (Inicio + PaginaGrande - 1) & ~std::uintptr_t(PaginaGrande - 1);
    if (Alinhado > Inicio)
        munmap(Mapa, Alinhado - Inicio);
    const std::uintptr_t Fim = Inicio + Excesso;
    if (Fim > Alinhado + Bytes)
        munmap(reinterpret_cast<void*>(Alinhado + Bytes), Fim - (Alinhado + Bytes));
    // Only a hint: without it the pages are ordinary ones.
    madvise(reinterpret_cast<void*>(Alinhado), Bytes, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(Alinhado);
}
#endif

} // namespace

void TLiberaMemoriaGrande::operator()(void* Memoria) const noexcept {
#if defined(Q_OS_LINUX)
    if (BytesMapeados != 0) {
        munmap(Memoria, BytesMapeados);
        return;
    }
#endif
    std::free(Memoria);
}

std::unique_ptr<std::byte[], TLiberaMemoriaGrande> AlocaMemoriaGrande(std::size_t Bytes) {
#if defined(Q_OS_LINUX)
    if (Bytes >= PaginaGrande && Bytes <= SIZE_MAX / 2) {
        const std::size_t Arredondado = (Bytes + PaginaGrande - 1) / PaginaGrande * PaginaGrande;
        if (void* Mapa = MapeiaAlinhado(Arredondado))
            return {static_cast<std::byte*>(Mapa), TLiberaMemoriaGrande{Arredondado}};
    }
#endif
    void* Memoria = std::malloc(Bytes == 0 ? 1 : Bytes);
    if (Memoria == nullptr)
        throw std::bad_alloc();
    return {static_cast<std::byte*>(Memoria), TLiberaMemoriaGrande{}};
}
