#pragma once

#include <cstddef>
#include <memory>
#include <type_traits>

// Memory for the big buffers of a large import, which are written once from end to end. On Linux,
// buffers of 2 MB or more are mapped on their own, aligned to 2 MB and marked for transparent huge
// pages: filling 100 MB in 4 KB pages costs 25,600 page faults, which on a virtual machine take longer
// than the import itself. Being mapped apart, they leave the allocator's heap untouched and go back to
// the system when freed.
struct TLiberaMemoriaGrande {
    std::size_t BytesMapeados = 0; // 0: the memory came from malloc
    void operator()(void* Memoria) const noexcept;
};

template <typename T> using TMemoriaGrande = std::unique_ptr<T[], TLiberaMemoriaGrande>;

// Uninitialised room for Bytes bytes; throws std::bad_alloc when there is none.
std::unique_ptr<std::byte[], TLiberaMemoriaGrande> AlocaMemoriaGrande(std::size_t Bytes);

template <typename T> TMemoriaGrande<T> CriaMemoriaGrande(std::size_t Quantidade) {
    static_assert(std::is_trivial_v<T>, "the memory is handed out uninitialised");
    auto Memoria = AlocaMemoriaGrande(Quantidade * sizeof(T));
    const TLiberaMemoriaGrande Liberacao = Memoria.get_deleter();
    return TMemoriaGrande<T>(reinterpret_cast<T*>(Memoria.release()), Liberacao);
}
