/* The smallest Windows program: only its version resource matters. */
int main(void)
{
    return 0;
}
