/* Can this kernel run 32-bit code inside a 64-bit process? Wine's WoW64 mode needs exactly that:
 * it far-calls from 64-bit code into the kernel's 32-bit user code segment. This program does the
 * same with a few bytes of 32-bit code and reports what happened.
 *   exit 0: the 32-bit code ran and returned its value
 *   exit 3: the switch faulted (a kernel without IA-32 emulation), with the signal on stderr
 * The selector is 0x23 (__USER32_CS); an argument gives another one, which the probe's own test uses
 * to make the switch fail for real. Built without PIE, so that the code and its data lie below
 * 4 GiB, where a 32-bit return address and stack pointer can reach them. */
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

static void faulted(int sig) {
  static const char text[] = "ia32-probe: the switch into 32-bit code faulted\n";
  (void)sig;
  if (write(2, text, sizeof text - 1) < 0) {}
  _exit(3);
}

int main(int argc, char **argv) {
  signal(SIGSEGV, faulted);
  signal(SIGBUS, faulted);
  signal(SIGILL, faulted);
  signal(SIGALRM, faulted);
  alarm(10);

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
                   "lcall *zq_far(%%rip)\n\t"
                   "mov zq_saved_rsp(%%rip), %%rsp"
                   : "=a"(result)
                   : "r"(stack32)
                   : "memory", "cc");
  if (result != 42) {
    fprintf(stderr, "ia32-probe: the 32-bit code returned %u instead of 42\n", result);
    return 3;
  }
  return 0;
}
