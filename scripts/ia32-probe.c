/* Can this kernel run 32-bit code inside a 64-bit process? Wine's WoW64 mode needs exactly that:
 * it far-calls from 64-bit code into the kernel's 32-bit user code segment. This program does the
 * same with a few bytes of 32-bit code and reports what happened.
 *   exit 0: the 32-bit code ran and returned its value
 *   exit 3: the far call itself faulted (a kernel without IA-32 emulation), with the signal on stderr
 *   exit 1: anything else went wrong (a fault elsewhere, a hang, a wrong result): the probe's own
 *           failure, which tells nothing about the kernel
 * The selector is 0x23 (__USER32_CS); an argument gives another one, which the probe's own test uses
 * to make the switch fail for real, or "anderswo" for a fault before the call. Built without PIE, so
 * that the code and its data lie below 4 GiB, where a 32-bit return address and stack pointer can
 * reach them. */
#define _GNU_SOURCE
#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <unistd.h>

uint64_t zq_saved_rsp;
struct __attribute__((packed)) {
  uint32_t offset;
  uint16_t selector;
} zq_far;

extern const char zq_far_call[];

static void say(const char *text) {
  if (write(2, text, strlen(text)) < 0) {}
}

/* Only a fault at the far call is the kernel's answer. */
static void faulted(int sig, siginfo_t *info, void *context) {
  const ucontext_t *uc = context;
  (void)info;
  if (sig == SIGALRM) {
    say("ia32-probe: the probe hung\n");
    _exit(1);
  }
  if (uc->uc_mcontext.gregs[REG_RIP] == (greg_t)(uintptr_t)zq_far_call) {
    say("ia32-probe: the switch into 32-bit code faulted\n");
    _exit(3);
  }
  say("ia32-probe: the probe itself faulted, away from its far call\n");
  _exit(1);
}

int main(int argc, char **argv) {
  /* The handler runs on a stack of its own: at the far call the stack is the small 32-bit one. */
  static char altstack[65536];
  stack_t alt = {.ss_sp = altstack, .ss_size = sizeof altstack};
  struct sigaction action = {.sa_sigaction = faulted, .sa_flags = SA_SIGINFO | SA_ONSTACK};
  sigaltstack(&alt, 0);
  sigaction(SIGSEGV, &action, 0);
  sigaction(SIGBUS, &action, 0);
  sigaction(SIGILL, &action, 0);
  sigaction(SIGALRM, &action, 0);
  alarm(10);
  if (argc > 1 && strcmp(argv[1], "anderswo") == 0) raise(SIGSEGV);

  unsigned char *low = mmap(0, 65536, PROT_READ | PROT_WRITE | PROT_EXEC,
                            MAP_PRIVATE | MAP_ANONYMOUS | MAP_32BIT, -1, 0);
  if (low == MAP_FAILED) {
    perror("ia32-probe: mmap below 4 GiB");
    return 1;
  }
  static const unsigned char code32[] = {0xB8, 42, 0, 0, 0, /* mov eax, 42 */
                                         0xCB};             /* retf */
  memcpy(low, code32, sizeof code32);
  zq_far.offset = (uint32_t)(uintptr_t)low;
  zq_far.selector = argc > 1 ? (uint16_t)strtoul(argv[1], 0, 0) : 0x23;
  uint64_t stack32 = (uint64_t)(uintptr_t)(low + 65536 - 64);

  uint32_t result;
  __asm__ volatile("mov %%rsp, zq_saved_rsp(%%rip)\n\t"
                   "mov %1, %%rsp\n\t"
                   ".globl zq_far_call\n"
                   "zq_far_call:\n\t"
                   "lcall *zq_far(%%rip)\n\t"
                   "mov zq_saved_rsp(%%rip), %%rsp"
                   : "=a"(result)
                   : "r"(stack32)
                   : "memory", "cc");
  if (result != 42) {
    fprintf(stderr, "ia32-probe: the 32-bit code returned %u instead of 42\n", result);
    return 1;
  }
  return 0;
}
