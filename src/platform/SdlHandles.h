// Owning pointers for every SDL, SDL_ttf and SDL_mixer handle the program keeps.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <memory>

namespace ui {

template <class T, void (*Free)(T*)> struct SdlFree {
    void operator()(T* handle) const { Free(handle); }
};

// SDL_RWclose returns a status, which a release cannot act on.
inline void CloseRWops(SDL_RWops* rw) {
    SDL_RWclose(rw);
}

using SurfacePtr = std::unique_ptr<SDL_Surface, SdlFree<SDL_Surface, SDL_FreeSurface>>;
using WindowPtr = std::unique_ptr<SDL_Window, SdlFree<SDL_Window, SDL_DestroyWindow>>;
using CursorPtr = std::unique_ptr<SDL_Cursor, SdlFree<SDL_Cursor, SDL_FreeCursor>>;
using FontPtr = std::unique_ptr<TTF_Font, SdlFree<TTF_Font, TTF_CloseFont>>;
using ChunkPtr = std::unique_ptr<Mix_Chunk, SdlFree<Mix_Chunk, Mix_FreeChunk>>;
using MusicPtr = std::unique_ptr<Mix_Music, SdlFree<Mix_Music, Mix_FreeMusic>>;
using RWopsPtr = std::unique_ptr<SDL_RWops, SdlFree<SDL_RWops, CloseRWops>>;

} // namespace ui
